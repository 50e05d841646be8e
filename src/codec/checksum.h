#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "model/memoryimage.h"

namespace zmp {

// Sum of count bytes from first, modulo 256.
std::uint8_t byteSum(const MemoryImage& image, int first, int count);

// The two addresses that hold the model code: (128, last address - 1).
std::pair<int, int> modelCodeAddresses(const MemoryImage& image);

// Upper-case hexadecimal, left-padded with "0" and cut to the last width characters.
std::string hexText(unsigned value, int width);

} // namespace zmp
