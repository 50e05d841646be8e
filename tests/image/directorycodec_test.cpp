#include "image/directorycodec.h"

#include <gtest/gtest.h>

#include "image/fieldcodec.h"

namespace zmp {
namespace {

int memoryIdAddress(int n)
{
    return 18176 + 16 * (n - 1);
}

TEST(Directory, GapAtEntryThreeDiscardsEveryLaterEntry)
{
    MemoryImage image;
    image.fill(0xFF);
    for (int n = 1; n <= MemoryIdCount; ++n) {
        if (n == 3) continue;
        encodeDigits(image, memoryIdAddress(n), "366000" + std::to_string(100 + n), DigitForm::Mmsi);
        encodeText(image, memoryIdAddress(n) + 5, 11, "SHIP" + std::to_string(n));
    }
    encodeText(image, memoryIdAddress(3) + 5, 11, "NAMEONLY");
    Directory directory(MemoryIdCount);
    directory[40].MemberFlags[5] = true;
    decodeDirectory(image, MemoryIdLayout, directory);
    EXPECT_TRUE(directory[0].Enable);
    EXPECT_TRUE(directory[1].Enable);
    EXPECT_EQ(directory[1].TagName, "SHIP2");
    EXPECT_EQ(directory[1].Mmsid, "3660001020");
    for (int i = 2; i < MemoryIdCount; ++i) {
        ASSERT_FALSE(directory[static_cast<std::size_t>(i)].Enable) << i;
        ASSERT_EQ(directory[static_cast<std::size_t>(i)].Mmsid, "") << i;
        ASSERT_EQ(directory[static_cast<std::size_t>(i)].TagName, "") << i;
    }
    EXPECT_TRUE(directory[40].MemberFlags[5]); // members are not held in the image
}

TEST(Directory, EncodeWritesEveryEntryEmptyOnesAsFill)
{
    MemoryImage image;
    image.fill(0);
    Directory directory(GroupIdCount);
    directory[0].Mmsid = "036612345";
    directory[0].TagName = "FLEET";
    encodeDirectory(image, GroupIdLayout, directory);
    EXPECT_EQ(image[20224], 0x03);
    EXPECT_EQ(image[20228], 0x50);
    EXPECT_EQ(image[20229], 'F');
    EXPECT_EQ(image[20234], 0xFF);
    for (int i = 20240; i < 20240 + 16; ++i)
        ASSERT_EQ(image[i], 0xFF) << i;
    EXPECT_EQ(image[20224 + 16 * GroupIdCount], 0); // first byte after the directory
}

TEST(Directory, PackedListRuleAndEmptying)
{
    Directory directory(4);
    directory[0].Mmsid = "1";
    directory[2].Mmsid = "3";
    directory[2].TagName = "C";
    applyPackedListRule(directory);
    EXPECT_TRUE(directory[0].Enable);
    EXPECT_FALSE(directory[2].Enable);
    EXPECT_EQ(directory[2].Mmsid, "");
    directory[0].MemberFlags[80] = true;
    emptyDirectory(directory);
    EXPECT_FALSE(directory[0].Enable);
    EXPECT_EQ(directory[0].Mmsid, "");
    EXPECT_FALSE(directory[0].MemberFlags[80]);
}

} // namespace
} // namespace zmp
