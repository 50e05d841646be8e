#pragma once

#include "model/memoryimage.h"
#include "model/records.h"

// The four usable channel groups: enable byte, priority channel word
// (Group1..Group3), status name, and the Exp CH group's membership bits.
namespace zmp {

void decodeUsableGroups(const MemoryImage& image, Records& records);
void encodeUsableGroups(MemoryImage& image, const Records& records);

// A group whose table has no enabled channel is written as disabled on
// the models that need it (the MR4400).
void applyEmptyGroupRule(Records& records, int model);

} // namespace zmp
