#pragma once

#include <string>

namespace zmp {

inline constexpr int NameFieldWidth = 12;
inline constexpr int MmsiFieldWidth = 9;
inline constexpr int ShortChannelFieldWidth = 3;

// The text padded with spaces, or cut, to exactly width characters (none for a width of 0 or less).
std::string padText(const std::string& text, int width);

// A fixed-width field: the padded text, or width "-" characters for an empty text
// ("------------" for a name, "---------" for an MMSI, "---" for a short channel field).
std::string fixedWidthText(const std::string& text, int width);

// A free field: the text as it is, or "----" when it is empty or holds only spaces.
std::string freeFieldText(const std::string& text);

} // namespace zmp
