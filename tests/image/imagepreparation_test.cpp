#include "image/imagepreparation.h"

#include <gtest/gtest.h>

#include "image/fieldcodec.h"
#include "model/models.h"

namespace zmp {
namespace {

class Preparation : public ::testing::Test {
  protected:
    void SetUp() override
    {
        image.fill(0xFF);
        image[161] = 0;
        image[162] = 0;
    }

    void prepare(PrepareTarget target = PrepareTarget::ImageFile)
    {
        prepareImage(records, ModelMr4400M, image, target);
    }

    int word(int address) const { return decodeWord(image, address); }
    void setWord(int address, int value) { encodeWord(image, address, value); }

    Records records;
    MemoryImage image;
};

TEST_F(Preparation, DisabledCurrentGroupMovesToTheNextEnabledOne)
{
    records.groups[Group3].Enable = true;
    records.can[4].Enable = true;
    prepare();
    EXPECT_EQ(image[161], 2);
}

TEST_F(Preparation, GroupSearchWrapsAroundAndStaysWhenNothingIsEnabled)
{
    image[161] = 2;
    records.groups[Group2].Enable = true;
    records.groups[Group1].Enable = true;
    prepare();
    EXPECT_EQ(image[161], 0);
    records.groups[Group1].Enable = records.groups[Group2].Enable = false;
    image[161] = 1;
    prepare();
    EXPECT_EQ(image[161], 1);
}

TEST_F(Preparation, UnusableCurrentChannelFallsBackToTheFirstEnabledRow)
{
    records.groups[Group1].Enable = true;
    records.usa[5].Enable = true;
    records.usa[9].Enable = true;
    setWord(163, 32);
    setWord(165, 32);
    prepare();
    EXPECT_EQ(image[163], 0x00);
    EXPECT_EQ(image[164], 0x05);
    EXPECT_EQ(image[165], 0x00);
    EXPECT_EQ(image[166], 0x05);
}

TEST_F(Preparation, UsableCurrentChannelIsKept)
{
    records.groups[Group1].Enable = true;
    records.usa[5].Enable = true;
    records.usa[9].Enable = true;
    setWord(163, 9);
    setWord(165, 1234);
    prepare();
    EXPECT_EQ(word(163), 9);
    EXPECT_EQ(word(165), 1234);
}

TEST_F(Preparation, EmptyTableFallsBackToTheFirstEnabledExpChannel)
{
    records.groups[Group1].Enable = true;
    records.exp[3].Enable = true;
    records.exp[7].Enable = true;
    setWord(163, 0);
    prepare();
    EXPECT_EQ(word(163), 240 + 3);
    EXPECT_EQ(word(165), 240 + 3);
}

TEST_F(Preparation, ExpChannelIsUsableThroughTheExpGroup)
{
    records.groups[Group1].Enable = true;
    records.usa[1].Enable = true;
    records.exp[7].Enable = true;
    setWord(163, 240 + 7);
    prepare();
    EXPECT_EQ(word(163), 1); // Exp CH group disabled
    records.groups[ExpCh].Enable = true;
    setWord(163, 240 + 7);
    prepare();
    EXPECT_EQ(word(163), 240 + 7);
}

TEST_F(Preparation, NoChannelAnywhereLeavesBothWords)
{
    records.groups[Group1].Enable = true;
    setWord(163, 77);
    setWord(165, 78);
    prepare();
    EXPECT_EQ(word(163), 77);
    EXPECT_EQ(word(165), 78);
}

TEST_F(Preparation, CurrentGroupBeyondTheThreeChangesNothing)
{
    image[161] = 3;
    records.usa[2].Enable = true;
    setWord(163, 100);
    prepare();
    EXPECT_EQ(image[161], 3);
    EXPECT_EQ(word(163), 100);
}

TEST_F(Preparation, WeatherModeKeepsAUsableChannelOrTakesTheFirstEnabled)
{
    image[162] = 1;
    for (auto& w : records.wx)
        w.Enable = false;
    records.wx[4].Enable = true;
    records.wx[6].Enable = true;
    image[167] = 6;
    setWord(163, 500);
    prepare();
    EXPECT_EQ(image[167], 6);
    EXPECT_EQ(word(163), 500);
    image[167] = 2;
    prepare();
    EXPECT_EQ(image[167], 4);
    EXPECT_EQ(word(163), 4);
    EXPECT_EQ(word(165), 0xFFFF);
}

TEST_F(Preparation, OtherModesLeaveTheCurrentChannel)
{
    image[162] = 2;
    records.usa[5].Enable = true;
    records.groups[Group1].Enable = true;
    setWord(163, 99);
    prepare();
    EXPECT_EQ(word(163), 99);
}

TEST_F(Preparation, ChannelWordsThatAreNotUsableBecomeNone)
{
    records.groups[Group1].Enable = true;
    records.groups[Group2].Enable = true;
    records.usa[32].Enable = true;
    records.intl[10].Enable = true;
    setWord(384, 32);
    setWord(386, 300);
    setWord(416, 32);
    setWord(418, 10);
    setWord(448, 10);
    prepare();
    EXPECT_EQ(word(384), 32);
    EXPECT_EQ(word(386), 0xFFFF);
    EXPECT_EQ(word(416), 0xFFFF);
    EXPECT_EQ(word(418), 10);
    EXPECT_EQ(word(448), 0xFFFF);
}

TEST_F(Preparation, UserMmsiCounterFollowsTheMmsi)
{
    records.userMmsi = "   ";
    image[645] = 1;
    prepare();
    EXPECT_EQ(image[645], 0);
    records.userMmsi = "366123456";
    prepare();
    EXPECT_EQ(image[645], 1);
}

TEST_F(Preparation, ChecksumCoversTheOperatingBlock)
{
    for (int a = 66; a <= 94; ++a)
        image[a] = static_cast<std::uint8_t>(a * 7);
    prepare();
    int sum = 0;
    for (int a = 66; a <= 94; ++a)
        sum += image[a];
    EXPECT_EQ(image[95], sum % 256);
}

TEST_F(Preparation, AtisCounterIsSetOnlyForTheRadio)
{
    records.atisCode = "9211234567";
    image[651] = 0;
    prepare(PrepareTarget::ImageFile);
    EXPECT_EQ(image[651], 0);
    prepare(PrepareTarget::Radio);
    EXPECT_EQ(image[651], 1);
    records.atisCode = "";
    image[651] = 7;
    prepare(PrepareTarget::Radio);
    EXPECT_EQ(image[651], 7);
}

TEST_F(Preparation, EncodesTheRecordsFirstAndAppliesTheEmptyGroupRule)
{
    records.groups[Group2].Enable = true;
    records.userMmsi = "123456789";
    prepareImage(records, ModelMr4400, image, PrepareTarget::ImageFile);
    EXPECT_EQ(image[320], 0);
    EXPECT_EQ(image[640], 0x12);
}

} // namespace
} // namespace zmp
