// The key filters, validations and display texts of the channel and
// directory pages, without a window.
#include <gtest/gtest.h>

#include "codec/channelplan.h"
#include "rules/fieldrules.h"
#include "ui/channeldisplay.h"
#include "ui/gridtext.h"

using namespace zmp;

namespace {

bool acceptsAll(bool (*rule)(char32_t), std::u32string_view text)
{
    for (const char32_t c : text)
        if (!rule(c)) return false;
    return true;
}

bool refusesAll(bool (*rule)(char32_t), std::u32string_view text)
{
    for (const char32_t c : text)
        if (rule(c)) return false;
    return true;
}

} // namespace

TEST(KeyFilters, nameFieldsTakeTheRadioCharacterSetOnly)
{
    EXPECT_TRUE(acceptsAll(isNameKey, U"09AZaz-/*()+., "));
    EXPECT_TRUE(refusesAll(isNameKey, U"_#!\"'&:;=?@[]é\t"));
}

TEST(KeyFilters, displayDigitFrequencyAndSevenSegmentSets)
{
    EXPECT_TRUE(acceptsAll(isDisplayKey, U"09AZaz "));
    EXPECT_TRUE(refusesAll(isDisplayKey, U"-./*"));
    EXPECT_TRUE(acceptsAll(isDigitKey, U"0123456789"));
    EXPECT_TRUE(refusesAll(isDigitKey, U" .a-"));
    EXPECT_TRUE(acceptsAll(isFrequencyKey, U"0123456789."));
    EXPECT_TRUE(refusesAll(isFrequencyKey, U",- e"));
    EXPECT_TRUE(acceptsAll(isSevenSegmentKey, U"0123456789AbCdEFGHIJLMnoPqrStUy"));
    EXPECT_TRUE(refusesAll(isSevenSegmentKey, U"aBcDeKkNOQRsTuVWXYZ "));
}

TEST(FrequencyFields, leadingNumberReadsDigitsAndOnePoint)
{
    EXPECT_DOUBLE_EQ(leadingNumber("156.025"), 156.025);
    EXPECT_DOUBLE_EQ(leadingNumber("15x"), 15.0);
    EXPECT_DOUBLE_EQ(leadingNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(leadingNumber("---.----"), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber(""), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber("."), 0.0);
}

TEST(FrequencyFields, expFrequencyMustLieOnThe25kHzRasterWithinTheBand)
{
    EXPECT_EQ(acceptedExpFrequency("156.025"), 156.025);
    EXPECT_EQ(acceptedExpFrequency("137"), 137.0);
    EXPECT_EQ(acceptedExpFrequency("174.000"), 174.0);
    EXPECT_EQ(acceptedExpFrequency(""), 0.0);
    EXPECT_FALSE(acceptedExpFrequency("156.0125"));
    EXPECT_FALSE(acceptedExpFrequency("136.975"));
    EXPECT_FALSE(acceptedExpFrequency("174.025"));
    EXPECT_FALSE(acceptedExpFrequency("---.----"));
    EXPECT_FALSE(acceptedExpFrequency("0"));
}

TEST(DirectoryMmsi, memoryIdTakesNineDigitsGroupIdEightAfterTheFixedZero)
{
    EXPECT_EQ(acceptedDirectoryMmsi("123456789", false), "123456789");
    EXPECT_EQ(acceptedDirectoryMmsi(" 123456789 ", false), "123456789");
    EXPECT_EQ(acceptedDirectoryMmsi("", false), "");
    EXPECT_EQ(acceptedDirectoryMmsi("   ", true), "");
    EXPECT_FALSE(acceptedDirectoryMmsi("12345678", false));
    EXPECT_FALSE(acceptedDirectoryMmsi("1234567890", false));
    EXPECT_EQ(acceptedDirectoryMmsi("12345678", true), "012345678");
    EXPECT_FALSE(acceptedDirectoryMmsi("123456789", true));
    EXPECT_FALSE(acceptedDirectoryMmsi("1234 5678", false));
}

// A field shows the digits the user types, never the tenth place an MMSI
// read from a radio carries, whatever digit it holds.
TEST(DirectoryMmsi, fieldsShowTheTypedDigitsOnly)
{
    EXPECT_EQ(directoryMmsiFieldText("1113661230", false), "111366123");
    EXPECT_EQ(directoryMmsiFieldText("2801234567", false), "280123456");
    EXPECT_EQ(directoryMmsiFieldText("123456789", false), "123456789");
    EXPECT_EQ(directoryMmsiFieldText("0123456780", true), "12345678");
    EXPECT_EQ(directoryMmsiFieldText("012345678", true), "12345678");
    EXPECT_EQ(directoryMmsiFieldText("", true), "");
}

TEST(ChannelDisplay, numberFormsOfTheTwoDigitDisplay)
{
    EXPECT_EQ(channelNumberForm(0), "00");
    EXPECT_EQ(channelNumberForm(7), "07");
    EXPECT_EQ(channelNumberForm(99), "99");
    EXPECT_EQ(channelNumberForm(100), "o0");
    EXPECT_EQ(channelNumberForm(105), "o5");
    EXPECT_EQ(channelNumberForm(110), "'0");
    EXPECT_EQ(channelNumberForm(117), "'7");
}

namespace {

// The number a display form stands for: "o5" is 105, "'7" is 117.
int numberOfDisplayForm(const std::string& form)
{
    if (form.front() == 'o') return 100 + std::stoi(form.substr(1));
    if (form.front() == '\'') return 110 + std::stoi(form.substr(1));
    return std::stoi(form);
}

} // namespace

TEST(ChannelDisplay, numberBoxesNameTheChannelOfEveryPlanRow)
{
    for (const ChannelPlanEntry& row : channelPlan()) {
        const auto boxes = channelNumberBoxes(row.Label);
        const std::size_t a = row.Label.find('A');
        EXPECT_EQ(numberOfDisplayForm(boxes.number), std::stoi(row.Label.substr(0, a))) << row.Label;
        EXPECT_EQ(boxes.suffix, a == std::string::npos ? "" : row.Label.substr(a)) << row.Label;
        EXPECT_EQ(boxes.number.size(), 2u) << row.Label;
    }
    EXPECT_EQ(channelNumberBoxes("117A").number, "'7");
    EXPECT_EQ(channelNumberBoxes("105a").suffix, "A");
    EXPECT_EQ(channelNumberBoxes("00").number, "00");
}

TEST(ChannelDisplay, expDisplayBoxesRoundTrip)
{
    using Boxes = std::array<std::string, 3>;
    EXPECT_EQ(expDisplayBoxes("12", "B"), (Boxes{"1", "2", "B"}));
    EXPECT_EQ(expDisplayBoxes("", ""), (Boxes{"", "", ""}));
    // The first and last character: a one-character CHDisplayL shows in both boxes.
    EXPECT_EQ(expDisplayBoxes("5", ""), (Boxes{"5", "5", ""}));
    EXPECT_EQ(expDisplayBoxes("1", "AB"), (Boxes{"1", "1", "B"}));
    const ExpDisplay stored = expDisplayFromBoxes({"1", "", "C"});
    EXPECT_EQ(stored.left, "1 ");
    EXPECT_EQ(stored.right, "C");
    EXPECT_EQ(expDisplayFromBoxes({"", " ", "C"}).left, "");
    EXPECT_EQ(expDisplayFromBoxes({"", "7", ""}).left, " 7");
}

TEST(GridJump, equalLabelsJumpToTheLowerPosition)
{
    ChannelPlan plan(4);
    plan[0].Label = "01";
    plan[1].Label = "22A";
    plan[2].Label = "22A";
    plan[3].Label = "03";
    EXPECT_EQ(planPositionOfLabel(plan, "22A"), 1);
    EXPECT_EQ(planPositionOfLabel(plan, "03"), 3);
    EXPECT_EQ(planPositionOfLabel(plan, "CH"), -1);
    EXPECT_EQ(planPositionOfLabel(channelPlan(), "16"), 32);
}

TEST(GridText, groupRowShowsDuplexReceiveAndReceiveOnlyDashes)
{
    const ChannelPlan& plan = channelPlan();
    ChannelRecord channel;
    channel.Position = 40; // channel 20
    channel.Duplex = true;
    channel.TxEnable = true;
    EXPECT_EQ(groupGridCell(plan[40], channel, 0), "20");
    EXPECT_EQ(groupGridCell(plan[40], channel, 1), "161.600");
    EXPECT_EQ(groupGridCell(plan[40], channel, 2), "157.000");
    EXPECT_EQ(groupGridCell(plan[40], channel, 3), "TX");
    EXPECT_EQ(groupGridCell(plan[40], channel, 4), "---");
    EXPECT_EQ(groupGridCell(plan[40], channel, 5), "--");
    EXPECT_EQ(groupGridCell(plan[40], channel, 6), "DUP");
    EXPECT_EQ(groupGridCell(plan[40], channel, 7), "---");
    channel.Duplex = false;
    channel.ReceiveOnly = true;
    channel.TxEnable = false;
    channel.LowPower = channel.PowUp = channel.ScanMemory = true;
    channel.ChTag = "PORT OPR";
    EXPECT_EQ(groupGridCell(plan[40], channel, 1), "157.000");
    EXPECT_EQ(groupGridCell(plan[40], channel, 2), "---.---");
    EXPECT_EQ(groupGridCell(plan[40], channel, 3), "--");
    EXPECT_EQ(groupGridCell(plan[40], channel, 4), "LOW");
    EXPECT_EQ(groupGridCell(plan[40], channel, 5), "UP");
    EXPECT_EQ(groupGridCell(plan[40], channel, 7), "MEM");
    EXPECT_EQ(groupGridCell(plan[40], channel, 8), "PORT OPR");
}

TEST(GridText, expRowAndDirectoryRow)
{
    ChannelRecord channel;
    channel.Enable = true;
    channel.CHDisplayL = "7";
    channel.Rxfreq = 157.425;
    EXPECT_EQ(expGridCell(channel, 5, 0), "5");
    EXPECT_EQ(expGridCell(channel, 5, 1), "[Enable]");
    EXPECT_EQ(expGridCell(channel, 5, 2), "7  ");
    EXPECT_EQ(expGridCell(channel, 5, 3), "157.4250");
    EXPECT_EQ(expGridCell(channel, 5, 4), "---.----");
    channel.Enable = false;
    channel.CHDisplayL = "12";
    channel.CHDisplayR = "B";
    EXPECT_EQ(expGridCell(channel, 5, 1), "");
    EXPECT_EQ(expGridCell(channel, 5, 2), "12B");
    DirectoryEntry entry;
    entry.TagName = "HARBOUR";
    entry.Mmsid = "12345";
    EXPECT_EQ(directoryGridCell(entry, 3, 0), "3");
    EXPECT_EQ(directoryGridCell(entry, 3, 1), "HARBOUR");
    EXPECT_EQ(directoryGridCell(entry, 3, 2), "12345    ");
    entry.Mmsid = "1234567890";
    EXPECT_EQ(directoryGridCell(entry, 3, 2), "123456789");
    EXPECT_STREQ(directoryGridColumns(false)[1].header, "GROUP NAME");
    EXPECT_EQ(groupGridColumns()[8].widthTwips, 2000);
}
