#include "files/textvalue.h"

#include <algorithm>
#include <cctype>
#include <cfenv>
#include <cmath>
#include <limits>

namespace zmp {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the decimal number at the start of text (sign, digits, one
// point, exponent), 0 when there is none.
std::size_t numberLength(const std::string& text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

} // namespace

std::string_view TextValue::withoutByteOrderMark(std::string_view text)
{
    constexpr std::string_view Mark = "\xEF\xBB\xBF";
    return text.starts_with(Mark) ? text.substr(Mark.size()) : text;
}

std::string TextValue::trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool TextValue::equalsIgnoringCase(const std::string& a, const std::string& b)
{
    return upper(a) == upper(b);
}

std::string TextValue::upper(const std::string& text)
{
    std::string result = text;
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

double TextValue::leadingNumber(const std::string& text)
{
    const std::string value = trimmed(text);
    const std::size_t length = numberLength(value);
    if (length == 0) return 0.0;
    const double result = std::strtod(value.substr(0, length).c_str(), nullptr);
    return std::isfinite(result) ? result : 0.0;
}

std::optional<double> TextValue::number(const std::string& text)
{
    const std::string value = trimmed(text);
    if (value.empty() || numberLength(value) != value.size()) return std::nullopt;
    const double result = std::strtod(value.c_str(), nullptr);
    if (!std::isfinite(result)) return std::nullopt;
    return result;
}

std::optional<int> TextValue::integer(const std::string& text)
{
    const auto value = number(text);
    if (!value) return std::nullopt;
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(*value);
    std::fesetround(previous);
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(rounded);
}

std::optional<bool> TextValue::boolean(const std::string& text)
{
    const std::string value = trimmed(text);
    if (equalsIgnoringCase(value, "True")) return true;
    if (equalsIgnoringCase(value, "False")) return false;
    const auto asNumber = number(value);
    if (!asNumber) return std::nullopt;
    return *asNumber != 0.0;
}

} // namespace zmp
