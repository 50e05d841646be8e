#pragma once

#include "model/records.h"

namespace zmp {

// True when two configurations hold the same value in every field. Every
// field of the records takes part: a field added to them belongs here too,
// or undo would not see its edits.
bool recordsEqual(const Records& a, const Records& b);

} // namespace zmp
