#include "image/newimage.h"

#include <gtest/gtest.h>

#include "codec/builtintables.h"
#include "image/imagecodec.h"
#include "model/models.h"

namespace zmp {
namespace {

std::string textAt(const MemoryImage& image, int address, int length)
{
    return {image.bytes.begin() + address, image.bytes.begin() + address + length};
}

TEST(NewImage, IdentificationTextOnlyForTheMr4400)
{
    Records records;
    MemoryImage image;
    ASSERT_TRUE(makeNewImage(ModelMr4400, records, image));
    EXPECT_EQ(textAt(image, 256, 6), "KT731R");
    ASSERT_TRUE(makeNewImage(ModelMr4400M, records, image));
    for (int a = 256; a < 262; ++a)
        EXPECT_EQ(image[a], 0xFF) << a;
}

TEST(NewImage, DefaultContentAndModelCode)
{
    Records records;
    MemoryImage image;
    ASSERT_TRUE(makeNewImage(ModelMr4400M, records, image));
    EXPECT_EQ(image[128], 0x11);
    EXPECT_EQ(image[129], 0x30);
    EXPECT_EQ(image[32766], 0x11);
    EXPECT_EQ(image[32767], 0x30);
    for (int a : {130, 131, 161, 162, 163, 165, 167, 169, 170, 175, 189, 191, 645, 651})
        EXPECT_EQ(image[a], 0) << a;
    EXPECT_EQ(image[164], 30);
    EXPECT_EQ(image[166], 30);
    EXPECT_EQ(image[172], 0xFF);
    EXPECT_EQ(image[184], 3);
    EXPECT_EQ(textAt(image, 311, 5), "RADIO");
    EXPECT_EQ(textAt(image, 327, 4), "RAM1");
    EXPECT_EQ(textAt(image, 343, 4), "RAM2");
    EXPECT_EQ(image[657], 0x60);
    EXPECT_EQ(image[658], 0x10);
    EXPECT_EQ(image[663], 0xFE);
    for (int a = 1636; a < 1644; ++a)
        EXPECT_EQ(image[a], 0) << a;
    for (int a = 1764; a < 1772; ++a)
        EXPECT_EQ(image[a], 0) << a;
    EXPECT_EQ(image[20000], 0xFF);
}

TEST(NewImage, RecordsHoldTheDefaultsAndTheChannelAreasTheBuiltInTables)
{
    Records records;
    records.memoryId[0].Mmsid = "123";
    records.memoryId[0].Enable = true;
    records.groupId[3].MemberFlags[9] = true;
    records.userMmsi = "999";
    MemoryImage image;
    ASSERT_TRUE(makeNewImage(ModelMr4400M, records, image));
    EXPECT_FALSE(records.memoryId[0].Enable);
    EXPECT_EQ(records.memoryId[0].Mmsid, "");
    EXPECT_FALSE(records.groupId[3].MemberFlags[9]);
    EXPECT_EQ(records.userMmsi, "");
    EXPECT_EQ(records.groups[Group1].PriorityCh, 32);
    // The Exp CH group's priority is not in the image: a new one starts at 0.
    EXPECT_EQ(records.groups[ExpCh].PriorityCh, 0);
    EXPECT_EQ(records.settings[slot::ResumeTime], 3);
    EXPECT_TRUE(records.dscFlags[dscslot::DistressCancelCall]);
    EXPECT_TRUE(records.dscFlags[dscslot::receive(0, 1)]);
    EXPECT_EQ(records.usa.size(), static_cast<std::size_t>(PlanRowCount));
    for (const auto& r : records.exp)
        ASSERT_FALSE(r.Enable);
    Records decoded = records;
    ImageCodec::decode(image, decoded);
    const ChannelTable usa = builtInUsaTable();
    for (std::size_t i = 0; i < usa.size(); ++i) {
        ASSERT_EQ(decoded.usa[i].Enable, usa[i].Enable) << i;
        ASSERT_EQ(decoded.usa[i].ChTag, usa[i].ChTag) << i;
        ASSERT_EQ(decoded.usa[i].TxEnable, usa[i].TxEnable) << i;
    }
}

// Nothing an earlier configuration held outside the image lives on in a new one.
TEST(NewImage, SettingsOutsideTheImageStartAfresh)
{
    Records records;
    MemoryImage image;
    ASSERT_TRUE(makeNewImage(ModelMr4400, records, image));
    const Records fresh = records;
    records.settings[slot::TxPoDisplay] = 2;
    records.groups[ExpCh].PriorityCh = 245;
    ASSERT_TRUE(makeNewImage(ModelMr4400, records, image));
    EXPECT_EQ(records.settings, fresh.settings);
    EXPECT_EQ(records.groups[ExpCh].PriorityCh, 0);
}

TEST(NewImage, Mr4400DisablesTheGroupsWithoutChannels)
{
    Records records;
    MemoryImage image;
    ASSERT_TRUE(makeNewImage(ModelMr4400, records, image));
    // The fill bytes enable every group, but no EXP channel is enabled.
    EXPECT_FALSE(records.groups[ExpCh].Enable);
    EXPECT_EQ(image[352], 0);
    EXPECT_EQ(image[304], 1);
}

TEST(NewImage, UnknownModelsAreRefusedWithoutChanges)
{
    Records records;
    records.userMmsi = "123";
    MemoryImage image;
    image.fill(0x5A);
    for (int model : {0, 2, 10, 12, -1}) {
        EXPECT_FALSE(makeNewImage(model, records, image)) << model;
        EXPECT_EQ(records.userMmsi, "123");
        EXPECT_EQ(image[0], 0x5A);
        EXPECT_EQ(image[128], 0x5A);
    }
}

} // namespace
} // namespace zmp
