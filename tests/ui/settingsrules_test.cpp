// The plain rules behind the settings pages and the window layout: status
// names, User MMSI and ATIS code validation, captions, the hex view lines
// and the layout maths.
#include <gtest/gtest.h>

#include "rules/settingsrules.h"
#include "ui/hexviewtext.h"
#include "ui/windowlayout.h"

using namespace zmp;

TEST(SettingsRules, statusNameKeyFilterTakesOnlyTheNameCharacters)
{
    for (const char32_t c : std::u32string(U"09AZaz-+().*/ "))
        EXPECT_TRUE(isStatusNameKey(c)) << char(c);
    for (const char32_t c : std::u32string(U",_#!\"'=:;\u00e9\t"))
        EXPECT_FALSE(isStatusNameKey(c)) << int(c);
}

TEST(SettingsRules, statusNameIsCutToFourCharactersAndBlankIsEmpty)
{
    EXPECT_EQ(acceptedStatusName("HARBOR"), "HARB");
    EXPECT_EQ(acceptedStatusName("AB"), "AB");
    EXPECT_EQ(acceptedStatusName("    "), "");
    EXPECT_EQ(acceptedStatusName(""), "");
    EXPECT_EQ(acceptedStatusName(" A BC"), " A B");
}

TEST(SettingsRules, captionsShowTheStatusNameInBrackets)
{
    UsableGroup group;
    EXPECT_EQ(withStatusName("Group2", group), "Group2");
    group.StatusName = "   ";
    EXPECT_EQ(withStatusName("Group2", group), "Group2");
    group.StatusName = "HARB";
    EXPECT_EQ(withStatusName("Group2", group), "Group2[HARB]");
    EXPECT_EQ(withStatusName("EXP CH Group", group), "EXP CH Group[HARB]");
}

TEST(SettingsRules, userMmsiTakesNineDigitsAndAddsTheFinalZero)
{
    EXPECT_EQ(acceptedUserMmsi("123456789"), std::optional<std::string>("1234567890"));
    EXPECT_EQ(acceptedUserMmsi(" 123456789 "), std::optional<std::string>("1234567890"));
    EXPECT_EQ(acceptedUserMmsi(""), std::optional<std::string>(""));
    EXPECT_EQ(acceptedUserMmsi("   "), std::optional<std::string>(""));
    EXPECT_FALSE(acceptedUserMmsi("12345678"));
    EXPECT_FALSE(acceptedUserMmsi("1234567890"));
    EXPECT_FALSE(acceptedUserMmsi("1234 6789"));
}

TEST(SettingsRules, userMmsiFieldShowsTheNineTypedDigits)
{
    EXPECT_EQ(userMmsiFieldText("1234567890"), "123456789");
    EXPECT_EQ(acceptedUserMmsi(userMmsiFieldText("1234567890")), std::optional<std::string>("1234567890"));
    EXPECT_EQ(userMmsiFieldText("2801234567"), "280123456");
    EXPECT_EQ(userMmsiFieldText(""), "");
}

TEST(SettingsRules, atisCodeTakesTenDigitsAsTyped)
{
    EXPECT_EQ(acceptedAtisCode("9211234567"), std::optional<std::string>("9211234567"));
    EXPECT_EQ(acceptedAtisCode(""), std::optional<std::string>(""));
    EXPECT_FALSE(acceptedAtisCode("921123456"));
    EXPECT_FALSE(acceptedAtisCode("92112345678"));
}

TEST(HexViewText, headerRuleAndByteLines)
{
    MemoryImage image;
    image[0] = 0x0A;
    image[15] = 0xFF;
    image[16] = 0x11;
    const std::vector<std::string> lines = hexViewLines(image);
    ASSERT_EQ(lines.size(), 2u + 2048u);
    EXPECT_EQ(lines[0], "       00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F");
    EXPECT_EQ(lines[1], " ----  -- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --");
    EXPECT_EQ(lines[2], " 0000: 0A 00 00 00 00 00 00 00 00 00 00 00 00 00 00 FF");
    EXPECT_EQ(lines[3], " 0010: 11 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    EXPECT_EQ(lines.back().substr(0, 7), " 7FF0: ");
}

TEST(HexViewText, imageOf4096BytesGives258Lines)
{
    MemoryImage image;
    image.lastAddress = 4095;
    image[4095] = 0xAB;
    const std::vector<std::string> lines = hexViewLines(image);
    ASSERT_EQ(lines.size(), 258u);
    EXPECT_EQ(lines.back(), " 0FF0: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 AB");
}

TEST(HexViewText, lastAddressBeyondTheMemoryNeverReadsPastIt)
{
    MemoryImage image;
    image.lastAddress = 40000;
    EXPECT_EQ(hexViewLines(image).size(), 2u + 2048u);
    image.lastAddress = 20; // a partial last row still shows its whole row
    const std::vector<std::string> lines = hexViewLines(image);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3].size(), lines[2].size());
}

TEST(WindowLayout, treeAndHexViewSizes)
{
    EXPECT_EQ(treeWidthAfterResize(10000), 3000);
    EXPECT_EQ(treeWidthAfterResize(MinimumWindowWidthTwips), 2731);
    const HexViewSize size = hexViewSize(9105, 6660, 600);
    EXPECT_EQ(size.width, 9005);
    EXPECT_EQ(size.height, 6660 - 600 - 230);
    EXPECT_EQ(hexViewSize(50, 100, 600).height, 0);
}
