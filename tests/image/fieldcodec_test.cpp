#include "image/fieldcodec.h"

#include <gtest/gtest.h>

#include <vector>

namespace zmp {
namespace {

constexpr int At = 1000;

MemoryImage filled(std::uint8_t value)
{
    MemoryImage image;
    image.fill(value);
    return image;
}

std::vector<std::uint8_t> bytesAt(const MemoryImage& image, int address, int count)
{
    return {image.bytes.begin() + address, image.bytes.begin() + address + count};
}

void put(MemoryImage& image, int address, std::vector<std::uint8_t> bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i)
        image[address + static_cast<int>(i)] = bytes[i];
}

TEST(FlagByte, AnyNonZeroIsTrueAndTrueIsWrittenAsOne)
{
    MemoryImage image = filled(0);
    EXPECT_FALSE(decodeFlagByte(image, At));
    image[At] = 0x80;
    EXPECT_TRUE(decodeFlagByte(image, At));
    encodeFlagByte(image, At, true);
    EXPECT_EQ(image[At], 1);
    encodeFlagByte(image, At, false);
    EXPECT_EQ(image[At], 0);
}

TEST(ByteField, ValuesOutsideAByteAreClamped)
{
    MemoryImage image = filled(0);
    encodeByte(image, At, 7);
    EXPECT_EQ(decodeByte(image, At), 7);
    encodeByte(image, At, 300);
    EXPECT_EQ(image[At], 255);
    encodeByte(image, At, -1);
    EXPECT_EQ(image[At], 0);
}

TEST(BitFlag, KeepsTheOtherBits)
{
    MemoryImage image = filled(0);
    image[At] = 0xA5;
    encodeBitFlag(image, At, 6, true);
    EXPECT_EQ(image[At], 0xE5);
    encodeBitFlag(image, At, 0, false);
    EXPECT_EQ(image[At], 0xE4);
    EXPECT_TRUE(decodeBitFlag(image, At, 7));
    EXPECT_FALSE(decodeBitFlag(image, At, 4));
}

TEST(BitField, ReplacesOnlyItsBitsAndDropsWhatDoesNotFit)
{
    MemoryImage image = filled(0);
    image[At] = 0b1000'0001;
    encodeBitField(image, At, 3, 1, 0b101);
    EXPECT_EQ(image[At], 0b1000'1011);
    EXPECT_EQ(decodeBitField(image, At, 3, 1), 0b101);
    encodeBitField(image, At, 3, 1, 0xFF); // only three bits fit
    EXPECT_EQ(image[At], 0b1000'1111);
}

TEST(FlagBitmap, FirstEntryOfEachByteIsTheMostSignificantBit)
{
    MemoryImage image = filled(0);
    put(image, At, {0x80, 0x01, 0xFF});
    const auto flags = decodeFlagBitmap(image, At, 3, 10);
    ASSERT_EQ(flags.size(), 10u);
    EXPECT_TRUE(flags[0]);
    for (int k = 1; k < 8; ++k)
        EXPECT_FALSE(flags[static_cast<std::size_t>(k)]) << k;
    EXPECT_FALSE(flags[8]);
    EXPECT_FALSE(flags[9]);
    EXPECT_TRUE(decodeBitmapEntry(image, At, 15));
}

TEST(FlagBitmap, EncodeRebuildsWholeBytesWithZerosPastTheTable)
{
    MemoryImage image = filled(0xFF);
    std::vector<bool> flags(10, false);
    flags[0] = flags[9] = true;
    encodeFlagBitmap(image, At, 2, flags);
    EXPECT_EQ(bytesAt(image, At, 3), (std::vector<std::uint8_t>{0x80, 0x40, 0xFF}));
}

TEST(Text, AllowedCharacters)
{
    for (char c : std::string("09AZaz-+().*/, "))
        EXPECT_TRUE(isTextCharacter(c)) << c;
    for (char c : std::string("_!#&'\"<>:;=?@[]\\\x7f"))
        EXPECT_FALSE(isTextCharacter(c)) << c;
    EXPECT_FALSE(isTextCharacter('\0'));
    EXPECT_FALSE(isTextCharacter(static_cast<char>(0xFF)));
    EXPECT_TRUE(isDisplayCharacter('7'));
    EXPECT_TRUE(isDisplayCharacter(' '));
    EXPECT_FALSE(isDisplayCharacter('-'));
}

TEST(Text, NameIsWrittenUnpaddedWithFillBytes)
{
    MemoryImage image = filled(0);
    encodeText(image, At, 16, "BRG/BRG");
    std::vector<std::uint8_t> expected{'B', 'R', 'G', '/', 'B', 'R', 'G'};
    expected.resize(16, 0xFF);
    EXPECT_EQ(bytesAt(image, At, 16), expected);
    EXPECT_EQ(decodeText(image, At, 16), "BRG/BRG");
}

TEST(Text, DecodeStopsAtTheFirstByteThatIsNoCharacter)
{
    MemoryImage image = filled(0);
    put(image, At, {'C', 'H', '1', '6', 0xFF, 'X', 'Y'});
    EXPECT_EQ(decodeText(image, At, 7), "CH16");
    put(image, At, {'A', 'B', ' ', ' ', 0x00, 'C'});
    EXPECT_EQ(decodeText(image, At, 6), "AB");
}

TEST(Text, NotAllowedCharacterBecomesFillAndEndsTheDecode)
{
    MemoryImage image = filled(0);
    encodeText(image, At, 6, "AB_CD");
    EXPECT_EQ(bytesAt(image, At, 6), (std::vector<std::uint8_t>{'A', 'B', 0xFF, 'C', 'D', 0xFF}));
    EXPECT_EQ(decodeText(image, At, 6), "AB");
}

TEST(Text, CharactersBeyondTheLengthAreDropped)
{
    MemoryImage image = filled(0);
    encodeText(image, At, 4, "ABCDEFG");
    EXPECT_EQ(bytesAt(image, At, 5), (std::vector<std::uint8_t>{'A', 'B', 'C', 'D', 0}));
}

TEST(DigitString, MmsiFormForcesTheTenthNibbleToZero)
{
    MemoryImage image = filled(0);
    encodeDigits(image, At, "123456789", DigitForm::Mmsi);
    EXPECT_EQ(bytesAt(image, At, 5), (std::vector<std::uint8_t>{0x12, 0x34, 0x56, 0x78, 0x90}));
    EXPECT_EQ(decodeDigits(image, At), "1234567890");
    encodeDigits(image, At, "1234567899", DigitForm::Mmsi);
    EXPECT_EQ(image[At + 4], 0x90);
}

TEST(DigitString, AtisFormKeepsAllTenDigits)
{
    MemoryImage image = filled(0);
    encodeDigits(image, At, "9211234567", DigitForm::Atis);
    EXPECT_EQ(bytesAt(image, At, 5), (std::vector<std::uint8_t>{0x92, 0x11, 0x23, 0x45, 0x67}));
    EXPECT_EQ(decodeDigits(image, At), "9211234567");
    encodeDigits(image, At, "123456789", DigitForm::Atis);
    EXPECT_EQ(image[At + 4], 0x9F);
    EXPECT_EQ(decodeDigits(image, At), "123456789");
}

TEST(DigitString, BlankTextGivesFiveFillBytesInBothForms)
{
    MemoryImage image = filled(0);
    for (DigitForm form : {DigitForm::Mmsi, DigitForm::Atis}) {
        encodeDigits(image, At, "   ", form);
        EXPECT_EQ(bytesAt(image, At, 5), std::vector<std::uint8_t>(5, 0xFF));
        EXPECT_EQ(decodeDigits(image, At), "");
    }
}

TEST(DigitString, NonDigitsBecomeFAndDecodeStopsThere)
{
    MemoryImage image = filled(0);
    encodeDigits(image, At, "12a45", DigitForm::Atis);
    EXPECT_EQ(bytesAt(image, At, 5), (std::vector<std::uint8_t>{0x12, 0xF4, 0x5F, 0xFF, 0xFF}));
    EXPECT_EQ(decodeDigits(image, At), "12");
    put(image, At, {0x12, 0x3C, 0x00, 0x00, 0x00});
    EXPECT_EQ(decodeDigits(image, At), "123");
}

TEST(Frequency, DecodesBcdOffsetBy100MHz)
{
    MemoryImage image = filled(0);
    put(image, At, {0x56, 0x02, 0x50});
    EXPECT_DOUBLE_EQ(decodeFrequency(image, At), 156.025);
    put(image, At, {0x57, 0x42, 0x50});
    EXPECT_DOUBLE_EQ(decodeFrequency(image, At), 157.425);
}

TEST(Frequency, FillBytesAndZeroGiveNoFrequency)
{
    MemoryImage image = filled(0xFF);
    EXPECT_EQ(decodeFrequency(image, At), 0.0);
    put(image, At, {0x00, 0x00, 0x00});
    EXPECT_EQ(decodeFrequency(image, At), 0.0);
}

TEST(Frequency, ReadingStopsAtTheFirstHexLetter)
{
    MemoryImage image = filled(0);
    put(image, At, {0x56, 0x0A, 0x50});
    EXPECT_DOUBLE_EQ(decodeFrequency(image, At), 156.0);
    put(image, At, {0x5B, 0x12, 0x34});
    EXPECT_DOUBLE_EQ(decodeFrequency(image, At), 105.0);
}

TEST(Frequency, EncodesRoundedToTheTenthOfAKilohertz)
{
    MemoryImage image = filled(0);
    encodeFrequency(image, At, 161.6);
    EXPECT_EQ(bytesAt(image, At, 3), (std::vector<std::uint8_t>{0x61, 0x60, 0x00}));
    encodeFrequency(image, At, 156.02500001);
    EXPECT_EQ(bytesAt(image, At, 3), (std::vector<std::uint8_t>{0x56, 0x02, 0x50}));
    encodeFrequency(image, At, 100.0001);
    EXPECT_EQ(bytesAt(image, At, 3), (std::vector<std::uint8_t>{0x00, 0x00, 0x01}));
}

TEST(Frequency, UnrepresentableValuesAreWrittenAsNoFrequency)
{
    MemoryImage image = filled(0);
    for (double f : {0.0, 100.0, 99.0, -5.0, 200.0, 250.0, 1e300}) {
        put(image, At, {0, 0, 0});
        encodeFrequency(image, At, f);
        EXPECT_EQ(bytesAt(image, At, 3), std::vector<std::uint8_t>(3, 0xFF)) << f;
    }
}

TEST(Word, BigEndianAndNoneForWhatDoesNotFit)
{
    MemoryImage image = filled(0);
    encodeWord(image, At, 0x1130);
    EXPECT_EQ(bytesAt(image, At, 2), (std::vector<std::uint8_t>{0x11, 0x30}));
    EXPECT_EQ(decodeWord(image, At), 4400);
    encodeWord(image, At, -1);
    EXPECT_EQ(decodeWord(image, At), 0xFFFF);
    encodeWord(image, At, 0x10000);
    EXPECT_EQ(decodeWord(image, At), 0xFFFF);
}

TEST(HalfHourOffset, SignInBitFiveMagnitudeBelow)
{
    EXPECT_EQ(encodeHalfHourOffset(-24), 0x18);
    EXPECT_EQ(encodeHalfHourOffset(0), 0x20);
    EXPECT_EQ(encodeHalfHourOffset(24), 0x38);
    EXPECT_EQ(encodeHalfHourOffset(-1), 0x01);
    for (int offset = -24; offset <= 24; ++offset)
        EXPECT_EQ(decodeHalfHourOffset(encodeHalfHourOffset(offset)), offset);
}

TEST(HalfHourOffset, OutOfRangeIsClamped)
{
    EXPECT_EQ(encodeHalfHourOffset(30), encodeHalfHourOffset(24));
    EXPECT_EQ(encodeHalfHourOffset(-100), encodeHalfHourOffset(-24));
}

TEST(AutoPosChannel, FifteenBitsHighByteFirst)
{
    MemoryImage image = filled(0);
    put(image, At, {0x90, 0x05});
    EXPECT_EQ(decodeAutoPosChannel(image, At), 0x1005);
    encodeAutoPosChannel(image, At, 4096 + 12);
    EXPECT_EQ(bytesAt(image, At, 2), (std::vector<std::uint8_t>{0x10, 0x0C}));
    encodeAutoPosChannel(image, At, 0xFFFF);
    EXPECT_EQ(bytesAt(image, At, 2), (std::vector<std::uint8_t>{0x7F, 0xFF}));
}

} // namespace
} // namespace zmp
