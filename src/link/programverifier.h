#pragma once

#include <optional>
#include <vector>

#include "link/radiolink.h"
#include "model/memoryimage.h"

namespace zmp {

// After a program: reads back every block the write plan wrote to and
// compares the written bytes with what was sent, so that a radio that
// acknowledged a byte it did not keep is caught. A difference is reported
// with its address and the setting it belongs to, and sets ErrorFlag.
class ProgramVerifier {
  public:
    ProgramVerifier(const RadioLink& link, const MemoryImage& sent) : link_(link), sent_(sent) {}

    void run() const;

    // The 64-byte blocks holding written bytes, ascending.
    static const std::vector<int>& blocks();

  private:
    std::optional<int> readBack(MemoryImage& radio) const;
    void report(int address, std::uint8_t found) const;

    const RadioLink& link_;
    const MemoryImage& sent_;
};

} // namespace zmp
