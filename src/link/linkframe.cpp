#include "link/linkframe.h"

#include <algorithm>

#include "codec/checksum.h"

namespace zmp {

namespace {
constexpr char Tab = '\t';

unsigned xorOf(const std::string& text, std::size_t count)
{
    unsigned sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum ^= static_cast<unsigned char>(text[i]);
    return sum;
}

int digitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
} // namespace

std::string LinkFrame::build(const std::string& word, const std::string& address, const std::string& length,
                             const std::string& data)
{
    std::string frame = word + Tab;
    for (const std::string* field : {&address, &length, &data}) {
        if (!field->empty()) frame += *field + Tab;
    }
    return frame + xorChecksum(frame) + "\r\n";
}

std::string LinkFrame::xorChecksum(const std::string& text)
{
    return hexText(xorOf(text, text.size()), 2);
}

bool LinkFrame::replyChecksumOk(const std::string& text)
{
    if (text.size() <= 2) return false;
    const auto expected = parseHex(text.substr(text.size() - 2));
    return expected && *expected == xorOf(text, text.size() - 2);
}

std::string LinkFrame::address(int address)
{
    return hexText(static_cast<unsigned>(address), 4);
}

std::string LinkFrame::length(int length)
{
    return hexText(static_cast<unsigned>(length), 2);
}

std::string LinkFrame::hexDigits(unsigned value)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), digits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return text;
}

std::string LinkFrame::shown(unsigned value, int digits)
{
    const std::string text = hexDigits(value);
    return "0x" + std::string(static_cast<std::size_t>(std::max(0, digits - int(text.size()))), '0') + text;
}

std::optional<unsigned> LinkFrame::parseHex(const std::string& text)
{
    if (text.empty() || text.size() > 8) return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        const int digit = digitValue(c);
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return value;
}

std::vector<std::string> LinkFrame::fields(const std::string& line)
{
    std::vector<std::string> result(1);
    for (char c : line) {
        if (c == Tab)
            result.emplace_back();
        else
            result.back() += c;
    }
    return result;
}

} // namespace zmp
