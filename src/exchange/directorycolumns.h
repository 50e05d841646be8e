#pragma once

#include "exchange/exchangecolumn.h"
#include "model/records.h"

namespace zmp {

// The columns of the Memory ID and Group ID directories: slot number,
// name and the whole MMSI (a group's with its leading 0).
const ExchangeColumns<DirectoryEntry>& memoryIdColumns();
const ExchangeColumns<DirectoryEntry>& groupIdColumns();

} // namespace zmp
