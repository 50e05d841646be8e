#include "ui/hexviewtext.h"

#include <algorithm>

#include "codec/checksum.h"

namespace zmp {

namespace {

constexpr int BytesPerLine = 16;

std::string headerLine()
{
    std::string line(6, ' ');
    for (int column = 0; column < BytesPerLine; ++column)
        line += " " + hexText(static_cast<unsigned>(column), 2);
    return line;
}

std::string ruleLine()
{
    std::string line = " ---- ";
    for (int column = 0; column < BytesPerLine; ++column)
        line += " --";
    return line;
}

// A row never reads past the end of the memory, whatever the last address says.
std::string byteLine(const MemoryImage& image, int address)
{
    std::string line = " " + hexText(static_cast<unsigned>(address), 4) + ":";
    for (int k = 0; k < BytesPerLine && address + k < ImageSize; ++k)
        line += " " + hexText(image[address + k], 2);
    return line;
}

} // namespace

std::vector<std::string> hexViewLines(const MemoryImage& image)
{
    std::vector<std::string> lines{headerLine(), ruleLine()};
    const int last = std::min(image.lastAddress, ImageSize - 1);
    for (int address = 0; address <= last; address += BytesPerLine)
        lines.push_back(byteLine(image, address));
    return lines;
}

} // namespace zmp
