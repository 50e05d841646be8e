#pragma once

#include "exchange/exchangecolumn.h"
#include "model/records.h"

namespace zmp {

// The columns of the channel tables, as the grids and the channel editor
// show them: the USA, International and Canada tables, the weather
// channels and the expansion channels.
const ExchangeColumns<ChannelRecord>& planChannelColumns();
const ExchangeColumns<ChannelRecord>& weatherChannelColumns();
const ExchangeColumns<ChannelRecord>& expChannelColumns();

// The reason an expansion channel row as a whole is refused, with the
// column it concerns; the leave-page rule of the channel editor.
std::optional<std::pair<std::string, std::string>> expRowProblem(const ChannelRecord& channel);

} // namespace zmp
