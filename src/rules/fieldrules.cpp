#include "rules/fieldrules.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "codec/frequencyformat.h"
#include "codec/mmsitext.h"

namespace zmp {

namespace {

constexpr double LowestExpFrequency = 137.0;
constexpr double HighestExpFrequency = 174.0;
constexpr std::size_t MemoryIdMmsiDigits = 9;
constexpr std::size_t GroupIdMmsiDigits = 8;

bool isAsciiDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

bool isAsciiLetter(char32_t c)
{
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

bool isOneOf(char32_t c, std::u32string_view set)
{
    return set.find(c) != std::u32string_view::npos;
}

bool allDigits(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

bool isNameKey(char32_t c)
{
    return isAsciiDigit(c) || isAsciiLetter(c) || isOneOf(c, U"-/*()+., ");
}

bool isDisplayKey(char32_t c)
{
    return isAsciiDigit(c) || isAsciiLetter(c) || c == U' ';
}

bool isSevenSegmentKey(char32_t c)
{
    return isAsciiDigit(c) || isOneOf(c, U"AbCdEFGHIJLMnoPqrStUy");
}

bool isDigitKey(char32_t c)
{
    return isAsciiDigit(c);
}

bool isFrequencyKey(char32_t c)
{
    return isAsciiDigit(c) || c == U'.';
}

double leadingNumber(const std::string& text)
{
    std::size_t length = 0;
    bool point = false;
    for (; length < text.size(); ++length) {
        const char c = text[length];
        if (c == '.' && !point)
            point = true;
        else if (c < '0' || c > '9')
            break;
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + length, value, std::chars_format::fixed);
    return result.ec == std::errc() ? value : 0.0;
}

std::optional<double> acceptedExpFrequency(const std::string& text)
{
    if (text.empty()) return 0.0;
    const double value = leadingNumber(text);
    if (value < LowestExpFrequency || value > HighestExpFrequency || !isOn25kHzStep(value))
        return std::nullopt;
    return value;
}

std::optional<std::string> acceptedDirectoryMmsi(const std::string& text, bool groupId)
{
    const std::string digits = trimSpaces(text);
    if (digits.empty()) return std::string();
    const std::size_t wanted = groupId ? GroupIdMmsiDigits : MemoryIdMmsiDigits;
    if (digits.size() != wanted || !allDigits(digits)) return std::nullopt;
    return groupId ? "0" + digits : digits;
}

std::string directoryMmsiFieldText(const std::string& mmsid, bool groupId)
{
    const std::string digits = shownMmsi(mmsid);
    if (!groupId) return digits;
    return digits.size() > 1 ? digits.substr(1) : std::string();
}

std::string trimSpaces(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace zmp
