#include "image/settingscodec.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "image/dscsettingstable.h"

namespace zmp {
namespace {

MemoryImage filled(std::uint8_t value)
{
    MemoryImage image;
    image.fill(value);
    return image;
}

TEST(TimeByte, OffsetEncodingsInBitsFiveToZero)
{
    Records records;
    MemoryImage image = filled(0);
    for (auto [offset, code] : {std::pair{-24, 0x18}, {0, 0x20}, {24, 0x38}}) {
        records.settings[slot::OffsetTime] = static_cast<std::int16_t>(offset);
        encodeSettings(image, records);
        EXPECT_EQ(image[185] & 0x3F, code) << offset;
    }
}

TEST(TimeByte, B8DecodesToTimeDisplayWithoutFormatAtPlus24)
{
    MemoryImage image = filled(0);
    image[185] = 0xB8;
    Records records;
    decodeSettings(image, records);
    EXPECT_EQ(records.settings[slot::TimeDisplay], 1);
    EXPECT_EQ(records.settings[slot::Format], 0);
    EXPECT_EQ(records.settings[slot::OffsetTime], 24);
}

TEST(TimeByte, OffsetOf30IsWrittenAs24AndBothFlagsLand)
{
    Records records;
    records.settings[slot::OffsetTime] = 30;
    records.settings[slot::Format] = 1;
    MemoryImage image = filled(0);
    encodeSettings(image, records);
    EXPECT_EQ(image[185], 0x40 | 0x38);
    records.settings[slot::OffsetTime] = -3;
    records.settings[slot::TimeDisplay] = 1;
    encodeSettings(image, records);
    Records back;
    decodeSettings(image, back);
    EXPECT_EQ(back.settings[slot::OffsetTime], -3);
    EXPECT_EQ(back.settings[slot::TimeDisplay], 1);
    EXPECT_EQ(back.settings[slot::Format], 1);
}

TEST(CommonSettings, EachSlotAtItsByte)
{
    MemoryImage image = filled(0);
    image[180] = 9; // Dual Watch, a flag byte
    image[184] = 2;
    image[190] = 4;
    image[186] = 1;
    image[187] = 3;
    Records records;
    decodeSettings(image, records);
    EXPECT_EQ(records.settings[slot::DualWatch], 1);
    EXPECT_EQ(records.settings[slot::Scan], 0);
    EXPECT_EQ(records.settings[slot::ResumeTime], 2);
    EXPECT_EQ(records.settings[slot::Weater], 4);
    EXPECT_EQ(records.settings[slot::Sog], 1);
    EXPECT_EQ(records.settings[slot::Distance], 3);
    records.settings[slot::PttScanClear] = 1;
    encodeSettings(image, records);
    EXPECT_EQ(image[180], 1);
    EXPECT_EQ(image[183], 1);
    EXPECT_EQ(image[182], 0);
}

TEST(DscSettings, UserMmsiInMmsiForm)
{
    Records records;
    records.userMmsi = "123456789";
    MemoryImage image = filled(0);
    encodeSettings(image, records);
    const std::uint8_t expected[] = {0x12, 0x34, 0x56, 0x78, 0x90};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(image[640 + i], expected[i]);
    Records back;
    decodeSettings(image, back);
    EXPECT_EQ(back.userMmsi, "1234567890");
}

TEST(DscSettings, AtisCodeKeepsTheTenthDigit)
{
    Records records;
    records.atisCode = "9211234567";
    MemoryImage image = filled(0);
    encodeSettings(image, records);
    EXPECT_EQ(image[650], 0x67);
    Records back;
    decodeSettings(image, back);
    EXPECT_EQ(back.atisCode, "9211234567");
}

TEST(DscSettings, BeepBytesInTheirOddOrder)
{
    MemoryImage image = filled(0);
    image[670] = 1;
    Records records;
    decodeSettings(image, records);
    EXPECT_TRUE(records.dscFlags[dscslot::ReceivedGeografic]);
    EXPECT_FALSE(records.dscFlags[dscslot::ReceivedPosRequest]);
    records.dscFlags[dscslot::ReceivedGeografic] = false;
    records.dscFlags[dscslot::ReceivedPosRequest] = true;
    encodeSettings(image, records);
    EXPECT_EQ(image[668], 1);
    EXPECT_EQ(image[670], 0);
}

TEST(DscSettings, DecodedBeepsAndDistressCancelReachTheFileSettings)
{
    MemoryImage image = filled(0);
    image[667] = 1;    // Received Group
    image[663] = 0x40; // Distress Cancel Call only
    Records records;
    records.settings[slot::BeepOut + 0] = 1;
    records.settings[slot::BeepOut + 7] = 1; // POS Reporting: not in the image
    decodeSettings(image, records);
    EXPECT_EQ(records.settings[slot::BeepOut + 0], 0);
    EXPECT_EQ(records.settings[slot::BeepOut + dscslot::ReceivedGroup], 1);
    EXPECT_EQ(records.settings[slot::BeepOut + 7], 1);
    EXPECT_EQ(records.settings[slot::PosRequest], 1);
}

TEST(DscSettings, AdvancedNibblesAndTheFlagByteKeepsItsFreeBits)
{
    MemoryImage image = filled(0);
    image[657] = 0x60;
    image[663] = 0x23; // bits 5, 1 and 0 are not the system's
    Records records;
    decodeSettings(image, records);
    EXPECT_TRUE(records.dscFlags[dscslot::receive(0, 1)]);
    EXPECT_TRUE(records.dscFlags[dscslot::receive(0, 2)]);
    EXPECT_FALSE(records.dscFlags[dscslot::receive(0, 0)]);
    records.dscFlags[dscslot::transmit(5, 3)] = true;
    records.dscFlags[dscslot::SendDistressAlert] = true;
    records.dscFlags[dscslot::PosRequestReplyMenu] = true;
    records.dscFlags[dscslot::DistressCancelCall] = true;
    encodeSettings(image, records);
    EXPECT_EQ(image[657], 0x60);
    EXPECT_EQ(image[662], 0x01);
    EXPECT_EQ(image[663], 0x80 | 0x40 | 0x04 | 0x23);
}

// A row copied for a new choice and not fully changed would share a slot,
// a key, a list or a bit with its model and silently overwrite it.
TEST(DscSettings, NoTwoRowsShareASlotKeyListOrBit)
{
    std::set<std::pair<DscStore, int>> slots;
    std::set<std::string> keys;
    std::set<std::string> controls;
    std::set<std::tuple<int, int>> places;
    for (const DscSettingRow& row : dscSettings()) {
        const std::string name = row.key ? dscKey(row) : std::to_string(row.slot);
        EXPECT_TRUE(slots.emplace(row.store, row.slot).second) << name;
        if (row.key) {
            EXPECT_TRUE(keys.insert(std::string(row.section) + "/" + dscKey(row)).second) << name;
        }
        if (row.control) {
            EXPECT_TRUE(controls.insert(dscControl(row)).second) << name;
        }
        if (row.imageForm != ImageForm::None) {
            const int bit = row.imageForm == ImageForm::Bit ? row.bit : -1;
            EXPECT_TRUE(places.emplace(row.address, bit).second) << name;
        }
    }
}

TEST(AutoPos, SelectCallChoosesWhereLastAddressGoes)
{
    EXPECT_EQ(lastAddressLocation(0), 731);
    EXPECT_EQ(lastAddressLocation(1), 732);
    EXPECT_FALSE(lastAddressLocation(2).has_value());
    EXPECT_FALSE(lastAddressLocation(-1).has_value());
}

TEST(AutoPos, SelectCall2LeavesBothLastAddressBytes)
{
    MemoryImage image = filled(0x55);
    Records records;
    records.autoPos.SelectCall = 2;
    records.autoPos.LastAddress = 7;
    encodeSettings(image, records);
    EXPECT_EQ(image[730], 2);
    EXPECT_EQ(image[731], 0x55);
    EXPECT_EQ(image[732], 0x55);
    records.autoPos.SelectCall = 1;
    encodeSettings(image, records);
    EXPECT_EQ(image[731], 0x55);
    EXPECT_EQ(image[732], 7);
}

TEST(AutoPos, DecodeReadsLastAddressOnlyWhereSelectCallPoints)
{
    MemoryImage image = filled(0);
    image[730] = 0;
    image[731] = 12;
    image[732] = 13;
    Records records;
    decodeSettings(image, records);
    EXPECT_EQ(records.autoPos.LastAddress, 12);
    image[730] = 1;
    decodeSettings(image, records);
    EXPECT_EQ(records.autoPos.LastAddress, 13);
    image[730] = 5;
    records.autoPos.LastAddress = 40;
    decodeSettings(image, records);
    EXPECT_EQ(records.autoPos.LastAddress, 40);
}

TEST(AutoPos, FieldsAtTheirBytes)
{
    Records records;
    records.autoPos.Enable = true;
    records.autoPos.Channel = 4096 + 3;
    records.autoPos.Interval = 4;
    records.autoPos.Mmsi = "366123456";
    records.autoPos.MarineEnable = 1;
    MemoryImage image = filled(0xFF);
    encodeSettings(image, records);
    EXPECT_EQ(image[704], 1);
    EXPECT_EQ(image[705], 0x10);
    EXPECT_EQ(image[706], 0x03);
    EXPECT_EQ(image[707], 4);
    EXPECT_EQ(image[709], 0x36);
    EXPECT_EQ(image[713], 0x60);
    EXPECT_EQ(image[719], 1);
    EXPECT_EQ(image[708], 0xFF);
    Records back;
    decodeSettings(image, back);
    EXPECT_EQ(back.autoPos.Channel, 4099);
    EXPECT_EQ(back.autoPos.Mmsi, "3661234560");
}

} // namespace
} // namespace zmp
