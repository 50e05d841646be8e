#include "codec/optiontables.h"

#include <cstdlib>

namespace zmp {

namespace {

constexpr int MaxOffsetHalfHours = 24;

// Hours and minutes with a sign, the zero offset without one: "-0:30", " 0", "+5:30".
std::string offsetText(int halfHours)
{
    if (halfHours == 0) return " 0";
    const int magnitude = std::abs(halfHours);
    const std::string minutes = magnitude % 2 != 0 ? ":30" : ":00";
    return (halfHours > 0 ? "+" : "-") + std::to_string(magnitude / 2) + minutes;
}

OptionList buildOffsetTimeOptions()
{
    OptionList list;
    for (int halfHours = -MaxOffsetHalfHours; halfHours <= MaxOffsetHalfHours; ++halfHours)
        list.push_back({halfHours, offsetText(halfHours)});
    return list;
}

} // namespace

const OptionList& resumeTimeOptions()
{
    // 4 and 5 seconds are offered by the Common page and held by the radio,
    // so the report names them too.
    static const OptionList list = {{0, "--"},   {1, "1Sec"}, {2, "2Sec"},
                                    {3, "3Sec"}, {4, "4Sec"}, {5, "5Sec"}};
    return list;
}

const OptionList& offsetTimeOptions()
{
    static const OptionList list = buildOffsetTimeOptions();
    return list;
}

const OptionList& weaterOptions()
{
    static const OptionList list = {{0, "OFF"}, {3, "ON"}};
    return list;
}

const OptionList& sogOptions()
{
    static const OptionList list = {{0, "KTS"}, {1, "MPH"}, {2, "KMH"}};
    return list;
}

const OptionList& distanceOptions()
{
    static const OptionList list = {{0, "Nm"}, {1, "Sm"}, {2, "Km"}};
    return list;
}

const OptionList& resumeTimeChoices()
{
    static const OptionList list = {{0, "Off"},  {1, "1Sec"}, {2, "2Sec"},
                                    {3, "3Sec"}, {4, "4Sec"}, {5, "5Sec"}};
    return list;
}

const OptionList& weatherAlertChoices()
{
    static const OptionList list = {{0, "Off"}, {3, "On"}};
    return list;
}

const OptionList& offOnOptions()
{
    static const OptionList list = {{0, "Off"}, {1, "On"}};
    return list;
}

const OptionList& timeDisplayOptions()
{
    static const OptionList list = {{0, "UTC"}, {1, "Local"}};
    return list;
}

const OptionList& formatOptions()
{
    static const OptionList list = {{0, "12H"}, {1, "24H"}};
    return list;
}

const OptionList& txPoDisplayOptions()
{
    static const OptionList list = {{0, "Lo Po Only"}, {1, "Lo Po on Changing CH"}, {2, "Last TX Po"}};
    return list;
}

const OptionList& intervalOptions()
{
    static const OptionList list = {{0, "OFF"},   {1, "15 sec"}, {2, "30 sec"}, {3, "1 min"},  {4, "2 min"},
                                    {5, "5 min"}, {6, "10 min"}, {7, "20 min"}, {8, "30 min"}, {9, "40 min"}};
    return list;
}

std::string optionText(const OptionList& list, int value)
{
    for (const OptionEntry& entry : list)
        if (entry.Value == value) return entry.Text;
    return "";
}

std::vector<std::string> optionTexts(const OptionList& list)
{
    std::vector<std::string> texts;
    texts.reserve(list.size());
    for (const OptionEntry& entry : list)
        texts.push_back(entry.Text);
    return texts;
}

std::string onOffText(bool on)
{
    return on ? "On" : "Off";
}

std::string powerText(bool high)
{
    return high ? "Hi" : "Low";
}

// Value v names usable group v (Group1..Group3), so the status name shown is that group's own.
std::string marineEnableText(int value, const std::array<UsableGroup, UsableGroupCount>& groups)
{
    if (value < 1 || value > 3) return "No";
    const std::string text = "Group" + std::to_string(value);
    const std::string& name = groups[static_cast<std::size_t>(value - 1)].StatusName;
    return name.empty() ? text : text + "[" + name + "]";
}

std::string selectCallText(int value, bool multiStation)
{
    if (value == 0) return "Individual";
    if (value == 1) return multiStation ? "Multi-st" : "Group";
    return "";
}

} // namespace zmp
