#pragma once

#include <optional>

#include "model/memoryimage.h"
#include "model/records.h"

// Common settings, DSC settings, Auto POS, user MMSI and ATIS code.
namespace zmp {

void decodeSettings(const MemoryImage& image, Records& records);
void encodeSettings(MemoryImage& image, const Records& records);

// Where LASTADDRESS is held: with the Memory ID for an individual call
// (SELECTCALL 0), with the Group ID for a group call (1), nowhere else.
std::optional<int> lastAddressLocation(int selectCall);

} // namespace zmp
