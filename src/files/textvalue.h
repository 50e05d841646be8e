#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zmp {

// The text-to-value conversions of the start-up data (global.ini and the
// per-user settings), which hold numbers and booleans as text.
class TextValue {
  public:
    static std::string trimmed(const std::string& text);
    // The text without the UTF-8 byte-order mark that a common Windows
    // editor puts at the start of a file it saves.
    static std::string_view withoutByteOrderMark(std::string_view text);
    static bool equalsIgnoringCase(const std::string& a, const std::string& b);
    static std::string upper(const std::string& text);
    // The number that the text begins with, 0 when it begins with none
    // ("1" and "1.0" and "1 model" are 1, "x" is 0).
    static double leadingNumber(const std::string& text);
    // The whole text as a number, or nothing when it is not one.
    static std::optional<double> number(const std::string& text);
    // The whole text as an integer (a fraction rounds to the even
    // neighbour), or nothing when it is not a number or out of range.
    static std::optional<int> integer(const std::string& text);
    // "True"/"False" in any case, or a number (non-zero is true).
    static std::optional<bool> boolean(const std::string& text);
};

} // namespace zmp
