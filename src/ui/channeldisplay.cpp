#include "ui/channeldisplay.h"

#include <algorithm>
#include <cctype>

#include "rules/fieldrules.h"

namespace zmp {

namespace {

constexpr int FirstThreeDigitNumber = 100;
constexpr int FirstApostropheNumber = 110;
constexpr std::size_t MaxSuffixLength = 10;

std::string lastCharacter(const std::string& text)
{
    return text.empty() ? std::string() : text.substr(text.size() - 1);
}

std::string upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

} // namespace

std::string channelNumberForm(int number)
{
    if (number < 10) return "0" + std::to_string(number);
    if (number < FirstThreeDigitNumber) return std::to_string(number);
    if (number < FirstApostropheNumber) return "o" + std::to_string(number - FirstThreeDigitNumber);
    return "'" + std::to_string(number - FirstApostropheNumber);
}

ChannelNumberBoxes channelNumberBoxes(const std::string& label)
{
    const std::string s = upper(label);
    const std::size_t a = s.find('A');
    if (a == std::string::npos) return {channelNumberForm(static_cast<int>(leadingNumber(s))), ""};
    return {channelNumberForm(static_cast<int>(leadingNumber(s.substr(0, a)))), s.substr(a, MaxSuffixLength)};
}

std::array<std::string, 3> expDisplayBoxes(const std::string& left, const std::string& right)
{
    return {left.substr(0, 1), lastCharacter(left), lastCharacter(right)};
}

ExpDisplay expDisplayFromBoxes(const std::array<std::string, 3>& boxes)
{
    const std::string first = boxes[0].empty() ? " " : lastCharacter(boxes[0]);
    const std::string second = boxes[1].empty() ? " " : lastCharacter(boxes[1]);
    const bool blank = trimSpaces(boxes[0]).empty() && trimSpaces(boxes[1]).empty();
    return {blank ? std::string() : first + second, boxes[2]};
}

int planPositionOfLabel(const ChannelPlan& plan, const std::string& label)
{
    for (std::size_t row = 0; row < plan.size(); ++row)
        if (plan[row].Label == label) return static_cast<int>(row);
    return -1;
}

} // namespace zmp
