// The checks of a whole configuration: numbers as stored, and the settings
// that contradict each other.
#include <gtest/gtest.h>

#include "checks/marinechecks.h"
#include "image/newimage.h"
#include "model/memoryimage.h"
#include "model/models.h"

using namespace zmp;

namespace {

// A sound configuration: a new image with a US ship's MMSI and no DSC
// group that is not usable.
Records soundRecords()
{
    Records records;
    MemoryImage image;
    EXPECT_TRUE(makeNewImage(ModelMr4400, records, image));
    records.userMmsi = "3669876540";
    for (int group = 0; group < UsableGroupCount; ++group)
        if (!records.groups[static_cast<std::size_t>(group)].Enable)
            records.settings[static_cast<std::size_t>(slot::UsableDsc + group)] = 0;
    return records;
}

std::vector<std::string> texts(const std::vector<CheckWarning>& warnings)
{
    std::vector<std::string> result;
    for (const auto& warning : warnings)
        result.push_back(warning.text);
    return result;
}

} // namespace

TEST(MarineChecks, soundConfigurationHasNoWarning)
{
    Records records = soundRecords();
    records.memoryId[0] = {true, "HARBOUR", "003669999", {}};
    records.memoryId[1] = {true, "FRIEND", "2321234560", {}};
    records.groupId[0] = {true, "FLEET", "036612345", {}};
    records.atisCode = "9211123456";
    EXPECT_EQ(texts(MarineChecks::run(records)), std::vector<std::string>{});
}

TEST(MarineChecks, storedNumbersAreJudgedWithTheirItem)
{
    Records records = soundRecords();
    records.userMmsi = "2991234560";
    records.atisCode = "8211123456";
    records.memoryId[0] = {true, "RESCUE", "111232001", {}};
    records.memoryId[1] = {true, "SHORT", "36612", {}};
    records.groupId[0] = {true, "COAST", "003661234", {}};
    const auto warnings = MarineChecks::run(records);
    EXPECT_EQ(texts(warnings),
              (std::vector<std::string>{
                  "User MMSI 299123456: MID 299 is not allocated to any country",
                  "ATIS code 8211123456: an ATIS code begins with 9",
                  "Memory ID 1 111232001: search-and-rescue aircraft, never a station to call",
                  "Memory ID 2 36612: not 9 digits",
                  "Group ID 1 003661234: a coast station's number (00 + MID), not a group",
              }));
    ASSERT_EQ(warnings.size(), 5u);
    EXPECT_EQ(warnings[0].subject, CheckSubject::UserMmsi);
    EXPECT_EQ(warnings[1].subject, CheckSubject::AtisCode);
    EXPECT_EQ(warnings[3].subject, CheckSubject::MemoryId);
    EXPECT_EQ(warnings[3].index, 2);
    EXPECT_EQ(warnings[4].subject, CheckSubject::GroupId);
    EXPECT_EQ(warnings[4].index, 1);
}

TEST(MarineChecks, strayTenthDigitsAreNamedWithTheirItem)
{
    Records records = soundRecords();
    records.userMmsi = "2321234567";
    records.memoryId[0] = {true, "FRIEND", "2321234565", {}};
    records.groupId[0] = {true, "FLEET", "0366123450", {}};
    EXPECT_EQ(texts(MarineChecks::run(records)),
              (std::vector<std::string>{
                  "User MMSI 232123456: tenth digit 7 is not part of the MMSI; it is written as 0",
                  "Memory ID 1 232123456: tenth digit 5 is not part of the MMSI; it is written as 0",
              }));
}

TEST(MarineChecks, contradictingSettingsAreFound)
{
    Records records = soundRecords();
    records.groups[Group1].Enable = true;
    records.groups[Group1].PriorityCh = 32; // channel 16
    records.usa[32].Enable = false;
    records.groups[Group2].Enable = false;
    records.settings[slot::UsableDsc + Group2] = 1;
    records.userMmsi.clear();
    records.memoryId[0] = {true, "NOBODY", "", {}};
    const auto warnings = MarineChecks::run(records);
    EXPECT_EQ(texts(warnings),
              (std::vector<std::string>{
                  "Memory ID 1: added without an MMSI; the radio drops it and every entry after it",
                  "Group1: priority channel 16 is not enabled",
                  "Group2: DSC is on but the group is not usable",
                  "User MMSI: empty while DSC is on for Group1",
              }));
    EXPECT_EQ(warnings[1].subject, CheckSubject::PriorityChannel);
    EXPECT_EQ(warnings[2].subject, CheckSubject::UsableDsc);
    EXPECT_EQ(warnings[2].index, Group2);
}

TEST(MarineChecks, expansionPriorityChannelFollowsItsRecord)
{
    Records records = soundRecords();
    records.groups[Group3].Enable = true;
    records.groups[Group3].PriorityCh = 240 + 4; // EXP5
    records.exp[4].Enable = false;
    EXPECT_EQ(texts(MarineChecks::run(records)),
              std::vector<std::string>{"Group3: priority channel EXP5 is not enabled"});
    records.exp[4].Enable = true;
    EXPECT_TRUE(MarineChecks::run(records).empty());
    records.groups[Group3].Enable = false; // a group that is not usable has no priority to keep
    records.settings[slot::UsableDsc + Group3] = 0;
    records.exp[4].Enable = false;
    EXPECT_TRUE(MarineChecks::run(records).empty());
}
