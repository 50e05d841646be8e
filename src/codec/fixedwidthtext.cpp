#include "codec/fixedwidthtext.h"

namespace zmp {

std::string padText(const std::string& text, int width)
{
    if (width <= 0) return "";
    std::string padded = text.substr(0, static_cast<std::size_t>(width));
    padded.resize(static_cast<std::size_t>(width), ' ');
    return padded;
}

std::string fixedWidthText(const std::string& text, int width)
{
    if (text.empty()) return std::string(static_cast<std::size_t>(width > 0 ? width : 0), '-');
    return padText(text, width);
}

std::string freeFieldText(const std::string& text)
{
    return text.find_first_not_of(' ') == std::string::npos ? "----" : text;
}

} // namespace zmp
