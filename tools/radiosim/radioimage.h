#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/memoryimage.h"

namespace zmp::radiosim {

// Where the emulated radio's memory comes from and goes to.
class RadioImage {
  public:
    // A radio as it leaves the factory: every byte 0xFF except the model
    // code in both of its places and the product code.
    static MemoryImage fresh();

    // A raw image file of exactly the image size. On failure error says why.
    static bool load(const std::string& path, MemoryImage& image, std::string& error);
    static bool save(const std::string& path, const MemoryImage& image, std::string& error);

    // Overwrites bytes from address on; false when they do not fit.
    static bool poke(MemoryImage& image, int address, const std::vector<std::uint8_t>& bytes);
};

} // namespace zmp::radiosim
