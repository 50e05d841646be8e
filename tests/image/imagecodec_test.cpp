#include "image/imagecodec.h"

#include <gtest/gtest.h>

#include <random>

#include "model/models.h"

namespace zmp {
namespace {

using Mask = std::array<std::uint8_t, ImageSize>;

void own(Mask& mask, int first, int count, std::uint8_t bits = 0xFF)
{
    for (int i = 0; i < count; ++i)
        mask[static_cast<std::size_t>(first + i)] |= bits;
}

void ownTable(Mask& mask, int enable, int scan, int bitmapBytes, int names, int entries)
{
    own(mask, enable, bitmapBytes);
    own(mask, scan, bitmapBytes);
    own(mask, names, 16 * entries);
}

// The bits an encode may change, written out from the memory map
// independently of the codec.
Mask ownedBits(const MemoryImage& image)
{
    Mask mask{};
    own(mask, 224, 6);
    for (int g = 0; g < 4; ++g) {
        own(mask, 304 + 16 * g, 2);
        own(mask, 307 + 16 * g, 4);
    }
    for (int a : {180, 181, 183, 184, 185, 186, 187, 190})
        own(mask, a, 1);
    own(mask, 640, 5);
    own(mask, 646, 5);
    own(mask, 657, 6);
    own(mask, 663, 1, 0xDC);
    own(mask, 665, 6);
    own(mask, 704, 4);
    own(mask, 709, 5);
    own(mask, 719, 1);
    own(mask, 730, 1);
    if (image[730] == 0) own(mask, 731, 1);
    if (image[730] == 1) own(mask, 732, 1);
    const int controls[] = {2048, 2560, 3072};
    for (int t = 0; t < 3; ++t) {
        ownTable(mask, 1536 + 32 * t, 1664 + 32 * t, 30, 4864 + 3840 * t, 240);
        for (int i = 0; i < 240; ++i)
            own(mask, controls[t] + 2 * i, 1, 0xFE);
    }
    ownTable(mask, 1632, 1760, 2, 16384, 10);
    ownTable(mask, 1636, 1764, 8, 16640, 64);
    for (int i = 0; i < 64; ++i) {
        const int r = 3584 + 16 * i;
        own(mask, r, 1);
        own(mask, r + 1, 1, 0x7C);
        own(mask, r + 2, 9);
    }
    own(mask, 18176, 16 * 80);
    own(mask, 20224, 16 * 32);
    return mask;
}

MemoryImage randomImage(unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    MemoryImage image;
    for (auto& b : image.bytes)
        b = static_cast<std::uint8_t>(byte(random));
    return image;
}

class RandomImageRoundTrip : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomImageRoundTrip, EncodeChangesOnlyTheBitsTheRecordsOwn)
{
    const MemoryImage original = randomImage(GetParam());
    Records records;
    ImageCodec::decode(original, records);
    MemoryImage encoded = original;
    ImageCodec::encode(records, ModelMr4400M, encoded);
    const Mask mask = ownedBits(original);
    for (int a = 0; a < ImageSize; ++a) {
        const auto i = static_cast<std::size_t>(a);
        ASSERT_EQ((encoded.bytes[i] ^ original.bytes[i]) & ~mask[i] & 0xFF, 0) << "address " << a;
    }
}

TEST_P(RandomImageRoundTrip, AnEncodedImageIsReproducedByDecodeAndEncode)
{
    MemoryImage image = randomImage(GetParam());
    Records records;
    ImageCodec::decode(image, records);
    ImageCodec::encode(records, ModelMr4400M, image);
    Records again;
    ImageCodec::decode(image, again);
    MemoryImage reencoded = image;
    ImageCodec::encode(again, ModelMr4400M, reencoded);
    EXPECT_EQ(reencoded.bytes, image.bytes);
}

TEST_P(RandomImageRoundTrip, AllFillAndAllZeroBackgroundsKeepTheirUnownedBytes)
{
    for (std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
        MemoryImage image;
        image.fill(fill);
        image[730] = static_cast<std::uint8_t>(GetParam() % 3);
        const MemoryImage original = image;
        Records records;
        ImageCodec::decode(image, records);
        ImageCodec::encode(records, ModelMr4400, image);
        const Mask mask = ownedBits(original);
        for (int a = 0; a < ImageSize; ++a) {
            const auto i = static_cast<std::size_t>(a);
            ASSERT_EQ((image.bytes[i] ^ original.bytes[i]) & ~mask[i] & 0xFF, 0) << "address " << a;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomImageRoundTrip, ::testing::Values(1u, 2u, 3u, 42u, 4400u, 65535u));

TEST(EmptyGroupRule, Mr4400DisablesAGroupWithoutEnabledChannels)
{
    Records records;
    for (auto& g : records.groups)
        g.Enable = true;
    records.usa[32].Enable = true;
    records.can[0].Enable = true;
    records.exp[5].Enable = true;
    MemoryImage image;
    image.fill(0xFF);
    ImageCodec::encode(records, ModelMr4400, image);
    EXPECT_FALSE(records.groups[Group2].Enable);
    EXPECT_EQ(image[320], 0);
    EXPECT_EQ(image[304], 1);
    EXPECT_EQ(image[336], 1);
    EXPECT_EQ(image[352], 1);
}

TEST(EmptyGroupRule, Mr4400MKeepsTheGroup)
{
    Records records;
    records.groups[Group2].Enable = true;
    MemoryImage image;
    image.fill(0);
    ImageCodec::encode(records, ModelMr4400M, image);
    EXPECT_TRUE(records.groups[Group2].Enable);
    EXPECT_EQ(image[320], 1);
}

TEST(UsableGroups, PriorityChannelAndStatusName)
{
    MemoryImage image;
    image.fill(0xAB);
    Records records;
    records.groups[Group1].PriorityCh = 32;
    records.groups[Group3].PriorityCh = -1;
    records.groups[ExpCh].StatusName = "EXPCH";
    ImageCodec::encode(records, ModelMr4400M, image);
    EXPECT_EQ(image[224], 0x00);
    EXPECT_EQ(image[225], 0x20);
    EXPECT_EQ(image[228], 0xFF);
    EXPECT_EQ(image[229], 0xFF);
    EXPECT_EQ(image[355 + 3], 'C');
    EXPECT_EQ(image[359], 0xAB); // the fifth character is dropped, the byte after is kept
    Records back;
    ImageCodec::decode(image, back);
    EXPECT_EQ(back.groups[Group1].PriorityCh, 32);
    EXPECT_EQ(back.groups[Group3].PriorityCh, 65535);
    EXPECT_EQ(back.groups[ExpCh].StatusName, "EXPC");
}

} // namespace
} // namespace zmp
