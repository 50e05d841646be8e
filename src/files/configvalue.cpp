#include "files/configvalue.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zmp {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

// Length of the decimal number at the start of text: sign, digits, one
// decimal point ("." or ","), an exponent; 0 when there is no digit.
std::size_t numberLength(std::string_view text)
{
    std::size_t at = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    const std::size_t integerEnd = skipDigits(text, at);
    std::size_t end = integerEnd;
    if (end < text.size() && (text[end] == '.' || text[end] == ',')) end = skipDigits(text, end + 1);
    const bool hasDigits = integerEnd > at || end > integerEnd + 1;
    if (!hasDigits) return 0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
        const std::size_t exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent) end = exponentEnd;
    }
    return end;
}

std::optional<double> toDouble(std::string_view number)
{
    std::string normalized(number.substr(!number.empty() && number[0] == '+' ? 1 : 0));
    for (char& c : normalized)
        if (c == ',') c = '.';
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(normalized.data(), normalized.data() + normalized.size(), value);
    if (error != std::errc() || end != normalized.data() + normalized.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> wholeNumber(std::string_view text)
{
    const std::size_t length = numberLength(text);
    if (length == 0 || length != text.size()) return std::nullopt;
    return toDouble(text);
}

template <typename Integer>
std::optional<Integer> roundedInto(std::optional<double> value)
{
    if (!value) return std::nullopt;
    const double rounded = std::nearbyint(*value);
    if (rounded < static_cast<double>(std::numeric_limits<Integer>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Integer>::max()))
        return std::nullopt;
    return static_cast<Integer>(rounded);
}

bool equalsIgnoringCase(std::string_view text, std::string_view word)
{
    if (text.size() != word.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        if (upper != word[i]) return false;
    }
    return true;
}

} // namespace

std::string ConfigValue::frequency(double megahertz)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, megahertz, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::optional<bool> ConfigValue::toFlag(std::string_view text)
{
    if (equalsIgnoringCase(text, "TRUE")) return true;
    if (equalsIgnoringCase(text, "FALSE")) return false;
    const auto number = wholeNumber(text);
    if (!number) return std::nullopt;
    return *number != 0.0;
}

std::optional<std::int16_t> ConfigValue::toInt16(std::string_view text)
{
    return roundedInto<std::int16_t>(wholeNumber(text));
}

std::optional<std::int32_t> ConfigValue::toInt32(std::string_view text)
{
    return roundedInto<std::int32_t>(wholeNumber(text));
}

std::optional<double> ConfigValue::toFrequency(std::string_view text)
{
    return wholeNumber(text);
}

std::optional<std::int32_t> ConfigValue::leadingInteger(std::string_view text)
{
    const std::size_t length = numberLength(text);
    if (length == 0) return std::nullopt;
    return roundedInto<std::int32_t>(toDouble(text.substr(0, length)));
}

} // namespace zmp
