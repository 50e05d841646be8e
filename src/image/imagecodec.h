#pragma once

#include "model/memoryimage.h"
#include "model/records.h"

namespace zmp {

// Decode (image to records) and encode (records to image) of the whole
// memory map. Decode changes only the record fields the image holds;
// encode changes only the bytes the records own.
class ImageCodec {
  public:
    static void decode(const MemoryImage& image, Records& records);
    static void encode(Records& records, int model, MemoryImage& image);
};

} // namespace zmp
