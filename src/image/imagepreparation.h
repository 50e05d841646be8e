#pragma once

#include "model/memoryimage.h"
#include "model/records.h"

namespace zmp {

enum class PrepareTarget { ImageFile, Radio };

// Encodes the records and brings the image into a state the radio accepts.
// Only the radio write marks a present ATIS code as entered (byte 651).
void prepareImage(Records& records, int model, MemoryImage& image, PrepareTarget target);

} // namespace zmp
