#pragma once

#include "link/operationtype.h"
#include "link/radiolink.h"
#include "model/memoryimage.h"
#include "model/records.h"

namespace zmp {

// The nine clear operations: erase the kind's bytes in the image, write
// them to the radio, and give the image its previous bytes back when the
// writing fails or is cancelled.
class ClearOperation {
  public:
    ClearOperation(const RadioLink& link, MemoryImage& image, Records& records, int model)
        : link_(link), image_(image), records_(records), model_(model)
    {
    }

    void run(OperationType type) const;

  private:
    void clearBytes(OperationType type) const;
    void clearBlocks(OperationType type) const;
    void writeBlocks(OperationType type) const;

    const RadioLink& link_;
    MemoryImage& image_;
    Records& records_;
    int model_;
};

} // namespace zmp
