#pragma once

#include "model/records.h"

namespace zmp {

// True when two configurations hold the same value in every field. The
// records' own == compares them, so a field added to them takes part at
// once and undo sees its edits.
bool recordsEqual(const Records& a, const Records& b);

} // namespace zmp
