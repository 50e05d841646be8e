#include "rules/settingsrules.h"

#include <algorithm>
#include <string_view>

#include "codec/mmsitext.h"
#include "rules/fieldrules.h"

namespace zmp {

namespace {

bool allDigits(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::string> digitsOfLength(const std::string& text, std::size_t length)
{
    const std::string digits = trimSpaces(text);
    if (digits.empty()) return std::string();
    if (digits.size() != length || !allDigits(digits)) return std::nullopt;
    return digits;
}

} // namespace

bool isStatusNameKey(char32_t c)
{
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    constexpr std::u32string_view Marks = U"-+().*/ ";
    return Marks.find(c) != std::u32string_view::npos;
}

std::string acceptedStatusName(const std::string& text)
{
    if (trimSpaces(text).empty()) return "";
    return text.substr(0, 4);
}

std::string withStatusName(const std::string& caption, const UsableGroup& group)
{
    if (trimSpaces(group.StatusName).empty()) return caption;
    return caption + "[" + group.StatusName + "]";
}

std::optional<std::string> acceptedUserMmsi(const std::string& text)
{
    std::optional<std::string> digits = digitsOfLength(text, 9);
    if (digits && !digits->empty()) *digits += '0';
    return digits;
}

std::string userMmsiFieldText(const std::string& stored)
{
    return shownMmsi(stored);
}

std::optional<std::string> acceptedAtisCode(const std::string& text)
{
    return digitsOfLength(text, 10);
}

} // namespace zmp
