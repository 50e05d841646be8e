#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/records.h"

namespace zmp {

// One choice of a stored setting: the value held in the records and the text shown for it.
struct OptionEntry {
    int Value = 0;
    std::string Text;
};

using OptionList = std::vector<OptionEntry>;

// Resume Time: 0 "--", 1 "1Sec", 2 "2Sec", 3 "3Sec".
const OptionList& resumeTimeOptions();
// Offset Time: the 49 half-hour offsets -24..24, "-12:00" .. "-0:30", " 0", "+0:30" .. "+12:00".
const OptionList& offsetTimeOptions();
// Weater: 0 "OFF", 3 "ON"; 1 and 2 have no text.
const OptionList& weaterOptions();
// SOG: 0 "KTS", 1 "MPH", 2 "KMH".
const OptionList& sogOptions();
// Distance: 0 "Nm", 1 "Sm", 2 "Km".
const OptionList& distanceOptions();
// The Common page's lists where they differ from the report's texts:
// Resume Time 0 "Off", 1 "1Sec" .. 5 "5Sec"; Weather Alert 0 "Off", 3 "On".
const OptionList& resumeTimeChoices();
const OptionList& weatherAlertChoices();
// Flags: 0 "Off", 1 "On".
const OptionList& offOnOptions();
// Time Display: 0 "UTC", 1 "Local".
const OptionList& timeDisplayOptions();
// Format: 0 "12H", 1 "24H".
const OptionList& formatOptions();
// TX Po Display: 0 "Lo Po Only", 1 "Lo Po on Changing CH", 2 "Last TX Po".
const OptionList& txPoDisplayOptions();
// Auto POS INTERVAL: 0 "OFF", 1 "15 sec" .. 9 "40 min".
const OptionList& intervalOptions();

// The text of a stored value in a list; an empty text when the list has no entry for it.
std::string optionText(const OptionList& list, int value);
// The texts of a list in list order, for filling a drop-down list.
std::vector<std::string> optionTexts(const OptionList& list);

// SCAN, PTT SCAN Clear, Dual Watch and the DSC flags: "On" or "Off".
std::string onOffText(bool on);
// Power: "Hi" for high, "Low" for low power.
std::string powerText(bool high);
// Auto POS MARINE ENABLE: "No", or "Group1".."Group3" followed by "[" + that group's StatusName + "]"
// when the group has a name; values outside 0..3 show "No".
std::string marineEnableText(int value, const std::array<UsableGroup, UsableGroupCount>& groups);
// Auto POS SELECTCALL: 0 "Individual", 1 "Group" (or "Multi-st" for a multi-station call), else empty.
std::string selectCallText(int value, bool multiStation);

} // namespace zmp
