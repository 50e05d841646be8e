#include "radiosim/linktext.h"

#include "codec/checksum.h"

namespace zmp::radiosim {

std::uint8_t LinkText::xorOf(std::string_view text)
{
    std::uint8_t value = 0;
    for (char c : text)
        value ^= static_cast<std::uint8_t>(c);
    return value;
}

std::string LinkText::frame(std::string_view word, const std::vector<std::string>& fields)
{
    std::string body(word);
    body += '\t';
    for (const auto& field : fields)
        body += field + '\t';
    return frame(word, fields, xorOf(body));
}

std::string LinkText::frame(std::string_view word, const std::vector<std::string>& fields,
                            std::uint8_t checksum)
{
    std::string text(word);
    text += '\t';
    for (const auto& field : fields)
        text += field + '\t';
    return text + hex(checksum, 2) + "\r\n";
}

bool LinkText::checksumValid(std::string_view line)
{
    if (line.size() <= 2) return false;
    unsigned expected = 0;
    if (!parseHex(line.substr(line.size() - 2), expected)) return false;
    return xorOf(line.substr(0, line.size() - 2)) == expected;
}

std::vector<std::string> LinkText::split(std::string_view line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.emplace_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

bool LinkText::parseHex(std::string_view text, unsigned& value)
{
    if (text.empty() || text.size() > 8) return false;
    unsigned result = 0;
    for (char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0) return false;
        result = result * 16 + static_cast<unsigned>(digit);
    }
    value = result;
    return true;
}

std::string LinkText::hex(unsigned value, int width)
{
    return hexText(value, width);
}

std::string LinkText::escape(std::string_view bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\t')
            text += "\\t";
        else if (c == '\r')
            text += "\\r";
        else if (c == '\n')
            text += "\\n";
        else if (c == '\\')
            text += "\\\\";
        else if (byte < 0x20 || byte > 0x7E)
            text += std::string("\\x") + digits[byte >> 4] + digits[byte & 15];
        else
            text += c;
    }
    return text;
}

} // namespace zmp::radiosim
