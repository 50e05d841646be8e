// The MID table and what the checks say about single numbers: user MMSIs,
// directory entries of every form, group MMSIs and ATIS codes.
#include <gtest/gtest.h>

#include "checks/midtable.h"
#include "checks/mmsiform.h"
#include "checks/mmsiverdict.h"

using namespace zmp;

namespace {

MmsiVerdict judge(NumberRole role, const char* digits)
{
    return judgeNumber(role, digits);
}

} // namespace

TEST(MidTable, compiledTableNamesTheAdministrations)
{
    const MidTable& table = MidTable::allocated();
    EXPECT_GT(table.size(), 250u);
    for (const char* mid : {"303", "338", "366", "367", "368", "369"})
        ASSERT_NE(table.country(mid), nullptr) << mid;
    EXPECT_EQ(*table.country("366"), "United States of America");
    EXPECT_EQ(*table.country("232"), "United Kingdom");
    EXPECT_EQ(*table.country("316"), "Canada");
    EXPECT_EQ(*table.country("211"), "Germany");
    EXPECT_EQ(*table.country("503"), "Australia");
    for (const char* unallocated : {"200", "217", "299", "300", "380", "999", "36", "3666", "abc"})
        EXPECT_EQ(table.country(unallocated), nullptr) << unallocated;
}

TEST(MidTable, parseSkipsCommentsAndMalformedLines)
{
    const MidTable table = MidTable::parse("# header\n\n366\tUnited States of America\r\n"
                                           "12\tShort\n1234\tLong\nabc\tLetters\n777 no tab\n232\t  \n");
    EXPECT_EQ(table.size(), 1u);
    ASSERT_NE(table.country("366"), nullptr);
    EXPECT_EQ(*table.country("366"), "United States of America");
}

TEST(MmsiForms, leadingDigitsTellTheKindOfStation)
{
    const struct {
        const char* digits;
        MmsiForm form;
        const char* mid;
    } cases[] = {
        {"366123456", MmsiForm::Ship, "366"},
        {"003669999", MmsiForm::Coast, "366"},
        {"023212345", MmsiForm::Group, "232"},
        {"823212345", MmsiForm::Handheld, "232"},
        {"111232001", MmsiForm::SarAircraft, "232"},
        {"970123456", MmsiForm::AisSart, ""},
        {"972123456", MmsiForm::ManOverboard, ""},
        {"974123456", MmsiForm::EpirbAis, ""},
        {"982321234", MmsiForm::CraftAssociated, "232"},
        {"992321234", MmsiForm::AidToNavigation, "232"},
        {"123456789", MmsiForm::Unknown, ""},
        {"36", MmsiForm::Ship, ""},
    };
    for (const auto& c : cases) {
        const MmsiReading reading = readMmsi(c.digits);
        EXPECT_EQ(reading.form, c.form) << c.digits;
        EXPECT_EQ(reading.mid, c.mid) << c.digits;
    }
    EXPECT_EQ(nineDigitMmsi("3661234560"), "366123456");
    EXPECT_EQ(nineDigitMmsi(" 366123456 "), "366123456");
}

TEST(MmsiVerdicts, userMmsiShowsItsCountryAndRefusesOtherForms)
{
    EXPECT_EQ(judge(NumberRole::UserMmsi, "366123456").note, "366\u2026 United States of America");
    EXPECT_EQ(judge(NumberRole::UserMmsi, "232123456").shown(), "232\u2026 United Kingdom");
    EXPECT_EQ(judge(NumberRole::UserMmsi, "316001234").shown(), "316\u2026 Canada");
    EXPECT_TRUE(judge(NumberRole::UserMmsi, "366123456").problem.empty());
    EXPECT_EQ(judge(NumberRole::UserMmsi, "299123456").problem, "MID 299 is not allocated to any country");
    EXPECT_EQ(judge(NumberRole::UserMmsi, "023212345").problem, "a ship station's MMSI begins with 2 to 7");
    EXPECT_EQ(judge(NumberRole::UserMmsi, "823212345").problem, "a ship station's MMSI begins with 2 to 7");
    // While typing: nothing before the MID is complete, the country from then on.
    EXPECT_EQ(judge(NumberRole::UserMmsi, "36").shown(), "");
    EXPECT_EQ(judge(NumberRole::UserMmsi, "3661").shown(), "366\u2026 United States of America");
    EXPECT_EQ(judge(NumberRole::UserMmsi, "").shown(), "");
}

TEST(MmsiVerdicts, directoryEntriesSayWhichStationAndFlagTheUncallable)
{
    EXPECT_EQ(judge(NumberRole::MemoryId, "211234560").shown(), "ship station, 211\u2026 Germany");
    EXPECT_EQ(judge(NumberRole::MemoryId, "003669999").shown(),
              "coast station, 366\u2026 United States of America");
    EXPECT_EQ(judge(NumberRole::MemoryId, "023212345").shown(), "group, 232\u2026 United Kingdom");
    EXPECT_EQ(judge(NumberRole::MemoryId, "111232001").problem,
              "search-and-rescue aircraft, never a station to call");
    EXPECT_EQ(judge(NumberRole::MemoryId, "970123456").problem, "AIS-SART beacon, never a station to call");
    EXPECT_EQ(judge(NumberRole::MemoryId, "972123456").problem,
              "man-overboard beacon, never a station to call");
    EXPECT_EQ(judge(NumberRole::MemoryId, "974123456").problem, "EPIRB-AIS beacon, never a station to call");
    EXPECT_EQ(judge(NumberRole::MemoryId, "982321234").problem,
              "craft of a parent ship, never a station to call");
    EXPECT_EQ(judge(NumberRole::MemoryId, "992321234").problem, "aid to navigation, never a station to call");
    EXPECT_EQ(judge(NumberRole::MemoryId, "123456789").problem, "no MMSI begins with 1");
    EXPECT_EQ(judge(NumberRole::MemoryId, "002991234").problem, "MID 299 is not allocated to any country");
}

TEST(MmsiVerdicts, groupMmsiIsZeroAndAnAllocatedMid)
{
    EXPECT_EQ(judge(NumberRole::GroupId, "036612345").shown(), "group, 366\u2026 United States of America");
    EXPECT_EQ(judge(NumberRole::GroupId, "003661234").problem,
              "a coast station's number (00 + MID), not a group");
    EXPECT_EQ(judge(NumberRole::GroupId, "366123456").problem, "a group MMSI begins with 0");
    EXPECT_EQ(judge(NumberRole::GroupId, "029912345").problem, "MID 299 is not allocated to any country");
}

TEST(MmsiVerdicts, atisCodeIsNineAndAnAllocatedMid)
{
    EXPECT_EQ(judge(NumberRole::AtisCode, "9211123456").shown(), "211\u2026 Germany");
    EXPECT_EQ(judge(NumberRole::AtisCode, "9244123456").shown(), "244\u2026 Netherlands");
    EXPECT_EQ(judge(NumberRole::AtisCode, "8211123456").problem, "an ATIS code begins with 9");
    EXPECT_EQ(judge(NumberRole::AtisCode, "9299123456").problem, "MID 299 is not allocated to any country");
}
