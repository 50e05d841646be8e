#include "exchange/exchangecolumn.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "rules/fieldrules.h"

namespace zmp {

namespace {

std::string lowered(const std::string& text)
{
    std::string result = text;
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

// Characters of a UTF-8 text: every byte that does not continue a sequence.
int characterCount(const std::string& text)
{
    return static_cast<int>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

std::string flagText(bool value)
{
    return value ? "1" : "0";
}

std::optional<bool> flagFromText(const std::string& text)
{
    static const std::array<const char*, 4> on{"1", "true", "yes", "on"};
    static const std::array<const char*, 4> off{"0", "false", "no", "off"};
    const std::string word = lowered(trimSpaces(text));
    if (std::find(on.begin(), on.end(), word) != on.end()) return true;
    if (std::find(off.begin(), off.end(), word) != off.end()) return false;
    return std::nullopt;
}

std::optional<std::string> nameProblem(const std::string& text, int maxLength, bool anyCharacter)
{
    if (characterCount(text) > maxLength) return "longer than " + std::to_string(maxLength) + " characters";
    if (anyCharacter) return std::nullopt;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return "a name takes no letters outside A to Z";
        if (!isNameKey(static_cast<unsigned char>(c)))
            return "the character '" + std::string(1, c) + "' is not allowed in a name";
    }
    return std::nullopt;
}

std::optional<std::string> fixedCell(const std::string& what)
{
    return "does not match " + what + " of this line; rows cannot be moved or renamed";
}

} // namespace zmp
