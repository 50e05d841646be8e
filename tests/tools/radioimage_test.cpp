#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "radiosim/radioimage.h"
#include "support/scratchfolder.h"

using zmp::radiosim::RadioImage;

namespace {

std::filesystem::path scratch(const std::string& name)
{
    return zmp::test::scratchFolder() / name;
}

} // namespace

TEST(RadioImage, freshRadioCarriesItsIdentityAndNothingElse)
{
    const auto image = RadioImage::fresh();
    EXPECT_EQ(image[0x0080], 0x11);
    EXPECT_EQ(image[0x0081], 0x30);
    EXPECT_EQ(image[0x7FFE], 0x11);
    EXPECT_EQ(image[0x7FFF], 0x30);
    EXPECT_EQ(std::string(image.bytes.begin() + 0x100, image.bytes.begin() + 0x106), "KT739R");
    int erased = 0;
    for (auto byte : image.bytes)
        erased += byte == 0xFF;
    EXPECT_EQ(erased, zmp::ImageSize - 10);
}

TEST(RadioImage, savesAndLoadsTheRawBytes)
{
    auto image = RadioImage::fresh();
    image[0x1234] = 0x42;
    std::string error;
    const auto path = scratch("saved.hex").string();
    ASSERT_TRUE(RadioImage::save(path, image, error)) << error;
    EXPECT_EQ(std::filesystem::file_size(path), std::uintmax_t(zmp::ImageSize));
    zmp::MemoryImage loaded;
    ASSERT_TRUE(RadioImage::load(path, loaded, error)) << error;
    EXPECT_EQ(loaded.bytes, image.bytes);
}

TEST(RadioImage, refusesFilesOfAnotherSize)
{
    const auto path = scratch("short.hex").string();
    std::ofstream(path, std::ios::binary) << std::string(zmp::ImageSize - 1, 'x');
    zmp::MemoryImage image;
    image.fill(7);
    std::string error;
    EXPECT_FALSE(RadioImage::load(path, image, error));
    EXPECT_NE(error.find("32767"), std::string::npos);
    EXPECT_EQ(image[0], 7);
    EXPECT_FALSE(RadioImage::load(scratch("missing.hex").string(), image, error));
    EXPECT_FALSE(error.empty());
}

TEST(RadioImage, pokeStaysInsideTheMemory)
{
    auto image = RadioImage::fresh();
    EXPECT_TRUE(RadioImage::poke(image, 0x7FFE, {1, 2}));
    EXPECT_EQ(image[0x7FFF], 2);
    EXPECT_FALSE(RadioImage::poke(image, 0x7FFF, {1, 2}));
    EXPECT_FALSE(RadioImage::poke(image, -1, {1}));
    EXPECT_EQ(image[0x7FFF], 2);
}
