#include "codec/checksum.h"

#include <algorithm>
#include <cstdint>

#include "model/models.h"

namespace zmp {

// Addresses outside the image contribute nothing, so a bad range never reads past the memory.
std::uint8_t byteSum(const MemoryImage& image, int first, int count)
{
    const std::int64_t begin = std::max<std::int64_t>(first, 0);
    const std::int64_t end = std::min<std::int64_t>(std::int64_t{first} + std::max(count, 0), ImageSize);
    unsigned sum = 0;
    for (std::int64_t address = begin; address < end; ++address)
        sum += image.bytes[static_cast<std::size_t>(address)];
    return static_cast<std::uint8_t>(sum & 0xFF);
}

std::pair<int, int> modelCodeAddresses(const MemoryImage& image)
{
    return {ModelCodeAddress, image.lastAddress - 1};
}

std::string hexText(unsigned value, int width)
{
    static const char digits[] = "0123456789ABCDEF";
    if (width <= 0) return "";
    std::string text(static_cast<std::size_t>(width), '0');
    for (std::size_t i = text.size(); i-- > 0 && value != 0; value >>= 4)
        text[i] = digits[value & 0xF];
    return text;
}

} // namespace zmp
