#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zmp {

// The radio's 32 KB configuration memory, byte for byte.
inline constexpr int ImageSize = 32768;

struct MemoryImage {
    std::array<std::uint8_t, ImageSize> bytes{};
    // Bounds every whole-image operation (transfers, image files).
    int lastAddress = ImageSize - 1;

    std::uint8_t& operator[](int address) { return bytes[static_cast<std::size_t>(address)]; }
    std::uint8_t operator[](int address) const { return bytes[static_cast<std::size_t>(address)]; }
    int size() const { return lastAddress + 1; }
    void fill(std::uint8_t value) { bytes.fill(value); }
};

} // namespace zmp
