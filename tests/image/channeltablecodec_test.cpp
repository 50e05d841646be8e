#include "image/channeltablecodec.h"

#include <gtest/gtest.h>

#include "image/channelcontrol.h"
#include "image/expchannelcodec.h"

namespace zmp {
namespace {

constexpr int ExpRecord0 = 3584;

MemoryImage filled(std::uint8_t value)
{
    MemoryImage image;
    image.fill(value);
    return image;
}

ChannelRecord transmitting(bool lowPower)
{
    ChannelRecord r;
    r.TxEnable = true;
    r.LowPower = lowPower;
    return r;
}

TEST(PlanChannelTables, AllFillBytesDecodeAsEnabledHighPowerDuplexWithoutNames)
{
    const MemoryImage image = filled(0xFF);
    for (const ChannelTableLayout* layout : {&UsaLayout, &IntLayout, &CanLayout}) {
        ChannelTable table(PlanRowCount);
        for (auto& r : table)
            r.ChTag = "OLD";
        decodeChannelTable(image, *layout, table);
        for (const auto& r : table) {
            ASSERT_TRUE(r.Enable && r.ScanMemory && r.TxEnable && r.Duplex && r.PowUp);
            ASSERT_FALSE(r.LowPower);
            ASSERT_EQ(r.Scramble, 7);
            ASSERT_EQ(r.ChTag, "");
        }
    }
}

TEST(PlanChannelTables, DecodeKeepsTheFieldsTheImageDoesNotHold)
{
    ChannelTable table(PlanRowCount);
    table[3].Position = 3;
    table[3].DuplexCapable = true;
    table[3].ReceiveOnly = true;
    table[3].DispayA = true;
    decodeChannelTable(filled(0), UsaLayout, table);
    EXPECT_EQ(table[3].Position, 3);
    EXPECT_TRUE(table[3].DuplexCapable && table[3].ReceiveOnly && table[3].DispayA);
}

TEST(ControlByte, TransmitModes)
{
    ChannelRecord r;
    decodeControlByte(0x40, r);
    EXPECT_TRUE(r.TxEnable && r.LowPower);
    decodeControlByte(0xC0, r);
    EXPECT_TRUE(r.TxEnable);
    EXPECT_FALSE(r.LowPower);
    decodeControlByte(0x80, r); // mode 2 reads as transmit off
    EXPECT_FALSE(r.TxEnable || r.LowPower);
    EXPECT_EQ(encodeControlByte(0x00, transmitting(true)) >> 6, 1);
    EXPECT_EQ(encodeControlByte(0x00, transmitting(false)) >> 6, 3);
    ChannelRecord off;
    off.LowPower = true;
    EXPECT_EQ(encodeControlByte(0xFF, off) >> 6, 0);
}

TEST(ControlByte, DuplexIsWrittenOnlyForDuplexCapableRows)
{
    ChannelRecord r;
    r.Duplex = true;
    EXPECT_EQ(encodeControlByte(0x00, r) & 0x20, 0);
    r.DuplexCapable = true;
    EXPECT_EQ(encodeControlByte(0x00, r) & 0x20, 0x20);
}

TEST(ControlByte, ScrambleAndPowUpAndBitZeroKept)
{
    ChannelRecord r;
    r.PowUp = true;
    r.Scramble = 5;
    EXPECT_EQ(encodeControlByte(0x01, r), 0x10 | 5 << 1 | 0x01);
    EXPECT_EQ(encodeControlByte(0x00, r), 0x10 | 5 << 1);
    ChannelRecord back;
    decodeControlByte(0x1B, back);
    EXPECT_EQ(back.Scramble, 5);
    EXPECT_TRUE(back.PowUp);
}

TEST(PlanChannelTables, EncodeLeavesTheSecondSlotByteAndWritesBitmapsAndNames)
{
    MemoryImage image = filled(0xAB);
    ChannelTable table(PlanRowCount);
    table[0].Enable = true;
    table[9].ScanMemory = true;
    table[1].ChTag = "BRG/BRG";
    encodeChannelTable(image, UsaLayout, table);
    EXPECT_EQ(image[1536], 0x80);
    EXPECT_EQ(image[1537], 0x00);
    EXPECT_EQ(image[1664 + 1], 0x40);
    EXPECT_EQ(image[4864 + 16 + 6], 'G');
    EXPECT_EQ(image[4864 + 16 + 7], 0xFF);
    for (int i = 0; i < PlanRowCount; ++i)
        ASSERT_EQ(image[2048 + 2 * i + 1], 0xAB) << i;
    EXPECT_EQ(image[2048], 0x01); // transmit off, bit 0 of 0xAB kept
    EXPECT_EQ(image[1566], 0xAB); // the byte after the bitmap
}

TEST(WeatherTable, BitmapBitsPastTheTenthChannelAreZero)
{
    MemoryImage image = filled(0xFF);
    ChannelTable wx(WxChannelCount);
    for (auto& r : wx)
        r.Enable = true;
    encodeChannelTable(image, WxLayout, wx);
    EXPECT_EQ(image[1632], 0xFF);
    EXPECT_EQ(image[1633], 0xC0);
    EXPECT_EQ(image[1634], 0xFF);
    EXPECT_EQ(image[1760], 0x00);
    ChannelTable back(WxChannelCount);
    decodeChannelTable(image, WxLayout, back);
    EXPECT_TRUE(back[9].Enable);
}

TEST(ExpDisplay, OneVisibleCharacterIsEnough)
{
    EXPECT_EQ(decodeExpDisplay('1', '6', 'A').left, "16");
    EXPECT_EQ(decodeExpDisplay('1', '6', 'A').right, "A");
    EXPECT_EQ(decodeExpDisplay(0xFF, '5', 0xFF).left, "5");
    EXPECT_EQ(decodeExpDisplay(0xFF, '5', 0xFF).right, "");
    EXPECT_EQ(decodeExpDisplay('7', ' ', 'B').left, "7 ");
    EXPECT_EQ(decodeExpDisplay(' ', ' ', 'B').left, "");
    EXPECT_EQ(decodeExpDisplay(' ', ' ', 'B').right, "");
    EXPECT_EQ(decodeExpDisplay('-', '/', 'B').left, "");
}

TEST(ExpDisplay, EncodeNeedsTwoCharacters)
{
    using Bytes = std::array<std::uint8_t, 3>;
    EXPECT_EQ(encodeExpDisplay("16", "A"), (Bytes{'1', '6', 'A'}));
    EXPECT_EQ(encodeExpDisplay("16", ""), (Bytes{'1', '6', 0xFF}));
    EXPECT_EQ(encodeExpDisplay("16", "_"), (Bytes{'1', '6', 0xFF}));
    EXPECT_EQ(encodeExpDisplay("1", "A"), (Bytes{0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(encodeExpDisplay("123", "A"), (Bytes{0xFF, 0xFF, 0xFF}));
}

TEST(ExpRecord, FrequenciesAndFields)
{
    MemoryImage image = filled(0xFF);
    const std::uint8_t raw[] = {0xE6, 0x5A, '0', '7', 'B', 0x57, 0x42, 0x50, 0xFF, 0xFF, 0xFF};
    for (int i = 0; i < 11; ++i)
        image[ExpRecord0 + i] = raw[i];
    ChannelRecord r;
    decodeExpRecord(image, ExpRecord0, r);
    EXPECT_TRUE(r.TxEnable && r.PowUp);
    EXPECT_TRUE(r.LowPower);
    EXPECT_EQ(r.Scramble, 0x16);
    EXPECT_EQ(r.CHDisplayL, "07");
    EXPECT_EQ(r.CHDisplayR, "B");
    EXPECT_DOUBLE_EQ(r.Rxfreq, 157.425);
    EXPECT_EQ(r.Txfreq, 0.0);
}

TEST(ExpRecord, EncodeReplacesTheTransmitBitsAndKeepsTheRest)
{
    MemoryImage image = filled(0xFF);
    ChannelRecord r; // transmit off, no PowUp
    r.Scramble = 3;
    r.Txfreq = 161.6;
    encodeExpRecord(image, ExpRecord0, r);
    EXPECT_EQ(image[ExpRecord0], 0xE0); // bits 4..0: off, no PowUp, 4 and 0 cleared
    EXPECT_EQ(image[ExpRecord0 + 1], 0x80 | 3 << 2 | 0x03);
    EXPECT_EQ(image[ExpRecord0 + 8], 0x61);
    EXPECT_EQ(image[ExpRecord0 + 9], 0x60);
    EXPECT_EQ(image[ExpRecord0 + 10], 0x00);
    for (int i = 11; i < 16; ++i)
        EXPECT_EQ(image[ExpRecord0 + i], 0xFF);
    r = transmitting(false);
    r.PowUp = true;
    encodeExpRecord(image, ExpRecord0, r);
    EXPECT_EQ(image[ExpRecord0], 0xEE);
}

TEST(ExpGroupFlags, WrittenIntoBitsSevenToFiveOfEveryRecordOnly)
{
    MemoryImage image = filled(0);
    for (int i = 0; i < ExpChannelCount; ++i)
        image[ExpRecord0 + 16 * i] = static_cast<std::uint8_t>(0x40 | (i & 0x1F));
    encodeExpGroupFlags(image, {true, false, true});
    for (int i = 0; i < ExpChannelCount; ++i) {
        ASSERT_EQ(image[ExpRecord0 + 16 * i], 0xA0 | (i & 0x1F)) << i;
        ASSERT_EQ(image[ExpRecord0 + 16 * i + 1], 0) << i;
    }
    EXPECT_EQ(decodeExpGroupFlags(image), (std::array<bool, 3>{true, false, true}));
}

TEST(ExpTable, EightByteBitmapsAndNames)
{
    MemoryImage image = filled(0xFF);
    ChannelTable exp(ExpChannelCount);
    exp[63].Enable = true;
    exp[8].ScanMemory = true;
    exp[2].ChTag = "HARBOUR";
    encodeChannelTable(image, ExpLayout, exp);
    EXPECT_EQ(image[1643], 0x01);
    EXPECT_EQ(image[1636], 0x00);
    EXPECT_EQ(image[1765], 0x80);
    ChannelTable back(ExpChannelCount);
    decodeChannelTable(image, ExpLayout, back);
    EXPECT_TRUE(back[63].Enable);
    EXPECT_FALSE(back[62].Enable);
    EXPECT_EQ(back[2].ChTag, "HARBOUR");
}

} // namespace
} // namespace zmp
