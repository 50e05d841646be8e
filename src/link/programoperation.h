#pragma once

#include "link/radiolink.h"
#include "link/writeplan.h"
#include "model/memoryimage.h"

namespace zmp {

// "Program to Radio": writes the prepared image by the write plan.
class ProgramOperation {
  public:
    ProgramOperation(const RadioLink& link, const MemoryImage& image, int model)
        : link_(link), image_(image), model_(model)
    {
    }

    void run() const;
    void writeData() const;

  private:
    void carryOut(const WriteStep& step) const;

    const RadioLink& link_;
    const MemoryImage& image_;
    int model_;
};

} // namespace zmp
