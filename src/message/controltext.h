#pragma once

#include <string>
#include <string_view>

namespace zmp {

// The text with every control character (and DEL) shown as \xHH, so that
// a name or a reply taken from a file or the radio can neither break a
// message's lines nor move a terminal's cursor or change its colours.
inline std::string escapeControls(std::string_view text)
{
    constexpr std::string_view Hex = "0123456789ABCDEF";
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            shown += c;
            continue;
        }
        shown += "\\x";
        shown += Hex[byte >> 4];
        shown += Hex[byte & 0x0F];
    }
    return shown;
}

} // namespace zmp
