#include <gtest/gtest.h>

#include "codec/checksum.h"

namespace zmp {
namespace {

TEST(ByteSum, wrapsModulo256)
{
    MemoryImage image;
    image[10] = 0xFF;
    image[11] = 0x02;
    image[12] = 0x01;
    EXPECT_EQ(byteSum(image, 10, 3), 0x02);
    EXPECT_EQ(byteSum(image, 11, 2), 0x03);
    EXPECT_EQ(byteSum(image, 10, 0), 0x00);
    image.fill(0x01);
    EXPECT_EQ(byteSum(image, 0, ImageSize), 0x00); // 32768 is a multiple of 256
    EXPECT_EQ(byteSum(image, 0, 255), 0xFF);
}

TEST(ByteSum, rangesOutsideTheImageAddNothing)
{
    MemoryImage image;
    image.fill(0x01);
    EXPECT_EQ(byteSum(image, ImageSize - 2, 10), 0x02);
    EXPECT_EQ(byteSum(image, -3, 5), 0x02);
    EXPECT_EQ(byteSum(image, ImageSize, 4), 0x00);
    EXPECT_EQ(byteSum(image, 5, -1), 0x00);
    EXPECT_EQ(byteSum(image, 0x7FFFFFFF, 0x7FFFFFFF), 0x00);
}

TEST(ModelCodeAddresses, followTheLastAddress)
{
    MemoryImage image;
    EXPECT_EQ(modelCodeAddresses(image), std::make_pair(128, 32766));
    image.lastAddress = 0x3FFF;
    EXPECT_EQ(modelCodeAddresses(image), std::make_pair(128, 0x3FFE));
}

TEST(HexText, upperCasePaddedAndCutToTheLastDigits)
{
    EXPECT_EQ(hexText(0xAB, 2), "AB");
    EXPECT_EQ(hexText(0xA, 4), "000A");
    EXPECT_EQ(hexText(0, 2), "00");
    EXPECT_EQ(hexText(0x1130, 4), "1130");
    EXPECT_EQ(hexText(0x12345, 2), "45");
    EXPECT_EQ(hexText(0xFFFFFFFFu, 10), "00FFFFFFFF");
    EXPECT_EQ(hexText(0xBEEF, 0), "");
}

} // namespace
} // namespace zmp
