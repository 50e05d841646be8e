#include <gtest/gtest.h>

#include "codec/optiontables.h"

namespace zmp {
namespace {

TEST(OptionTables, offsetTextsRunFromMinusToPlusTwelveHours)
{
    const OptionList& offsets = offsetTimeOptions();
    ASSERT_EQ(offsets.size(), 49u);
    EXPECT_EQ(offsets.front().Text, "-12:00");
    EXPECT_EQ(offsets.front().Value, -24);
    EXPECT_EQ(offsets[1].Text, "-11:30");
    EXPECT_EQ(offsets[23].Text, "-0:30");
    EXPECT_EQ(offsets[24].Text, " 0");
    EXPECT_EQ(offsets[24].Value, 0);
    EXPECT_EQ(offsets[25].Text, "+0:30");
    EXPECT_EQ(offsets[35].Text, "+5:30");
    EXPECT_EQ(offsets[35].Value, 11);
    EXPECT_EQ(offsets.back().Text, "+12:00");
    EXPECT_EQ(optionText(offsets, 30), "");
}

TEST(OptionTables, storedValuesShowTheirTexts)
{
    EXPECT_EQ(optionText(resumeTimeOptions(), 3), "3Sec");
    EXPECT_EQ(optionText(resumeTimeOptions(), 0), "--");
    EXPECT_EQ(optionText(resumeTimeOptions(), 4), "4Sec");
    EXPECT_EQ(optionText(resumeTimeOptions(), 5), "5Sec");
    EXPECT_EQ(optionText(resumeTimeOptions(), 6), "");
    EXPECT_EQ(optionText(weaterOptions(), 0), "OFF");
    EXPECT_EQ(optionText(weaterOptions(), 3), "ON");
    EXPECT_EQ(optionText(weaterOptions(), 1), "");
    EXPECT_EQ(optionText(weaterOptions(), 2), "");
    EXPECT_EQ(optionText(sogOptions(), 2), "KMH");
    EXPECT_EQ(optionText(distanceOptions(), 1), "Sm");
    EXPECT_EQ(optionText(intervalOptions(), 1), "15 sec");
    EXPECT_EQ(optionText(intervalOptions(), 9), "40 min");
    EXPECT_EQ(optionText(intervalOptions(), -1), "");
    EXPECT_EQ(optionTexts(distanceOptions()), (std::vector<std::string>{"Nm", "Sm", "Km"}));
    EXPECT_EQ(onOffText(true), "On");
    EXPECT_EQ(onOffText(false), "Off");
    EXPECT_EQ(optionText(timeDisplayOptions(), 1), "Local");
    EXPECT_EQ(optionText(timeDisplayOptions(), 0), "UTC");
    EXPECT_EQ(optionText(formatOptions(), 0), "12H");
    EXPECT_EQ(optionText(formatOptions(), 1), "24H");
    EXPECT_EQ(powerText(true), "Hi");
    EXPECT_EQ(powerText(false), "Low");
}

TEST(OptionTables, autoPosMarineEnableAndSelectCall)
{
    std::array<UsableGroup, UsableGroupCount> groups{};
    groups[Group2].StatusName = "HARB";
    EXPECT_EQ(marineEnableText(0, groups), "No");
    EXPECT_EQ(marineEnableText(1, groups), "Group1");
    EXPECT_EQ(marineEnableText(2, groups), "Group2[HARB]");
    EXPECT_EQ(marineEnableText(3, groups), "Group3");
    EXPECT_EQ(marineEnableText(4, groups), "No");
    EXPECT_EQ(marineEnableText(-1, groups), "No");
    EXPECT_EQ(selectCallText(0, false), "Individual");
    EXPECT_EQ(selectCallText(1, false), "Group");
    EXPECT_EQ(selectCallText(1, true), "Multi-st");
    EXPECT_EQ(selectCallText(2, false), "");
}

} // namespace
} // namespace zmp
