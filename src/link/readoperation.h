#pragma once

#include <vector>

#include "link/radiolink.h"
#include "model/memoryimage.h"
#include "model/records.h"

namespace zmp {

struct AddressRange {
    int first;
    int last;
};

// "Read from Radio": the whole memory read in 64-byte blocks into a
// working copy; only the configuration ranges are then taken into the
// image, which is decoded into the records. A failed or cancelled read
// leaves image and records untouched.
class ReadOperation {
  public:
    ReadOperation(const RadioLink& link, MemoryImage& image, Records& records, int model)
        : link_(link), image_(image), records_(records), model_(model)
    {
    }

    void run() const;
    void readData(MemoryImage& buffer) const;

    // The ranges taken from the radio, ascending.
    static const std::vector<AddressRange>& copiedRanges();
    static void copyRanges(const MemoryImage& from, MemoryImage& to);

    static constexpr int BlockSize = 64;

  private:
    void readAll() const;

    const RadioLink& link_;
    MemoryImage& image_;
    Records& records_;
    int model_;
};

} // namespace zmp
