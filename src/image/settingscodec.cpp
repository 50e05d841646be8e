#include "image/settingscodec.h"

#include <array>

#include "image/dscmirror.h"
#include "image/fieldcodec.h"
#include "image/imagemap.h"
#include "image/settingstable.h"

namespace zmp {

namespace {

struct SlotAddress {
    int slot;
    int address;
};

// Slot 4 (Geografic) is byte 670, after the two position beeps.
constexpr std::array<SlotAddress, 6> BeepBytes{
    {{dscslot::ReceivedAllShips, address::ReceivedAllShips},
     {dscslot::ReceivedIndividual, address::ReceivedIndividual},
     {dscslot::ReceivedGroup, address::ReceivedGroup},
     {dscslot::ReceivedGeografic, address::ReceivedGeografic},
     {dscslot::ReceivedPosRequest, address::ReceivedPosRequest},
     {dscslot::ReceivedPosReporting, address::ReceivedPosReporting}}};
constexpr std::array<SlotAddress, 4> DscFlagBits{{{dscslot::SendDistressAlert, 7},
                                                  {dscslot::IndividualReplyMenu, 4},
                                                  {dscslot::IndividualAckMenu, 3},
                                                  {dscslot::PosRequestReplyMenu, 2}}};
constexpr int DistressCancelBit = 6;

std::int16_t& settingAt(SettingValues& settings, int s)
{
    return settings[static_cast<std::size_t>(s)];
}
std::int16_t settingAt(const SettingValues& settings, int s)
{
    return settings[static_cast<std::size_t>(s)];
}
bool& dscAt(DscFlags& flags, int s)
{
    return flags[static_cast<std::size_t>(s)];
}
bool dscAt(const DscFlags& flags, int s)
{
    return flags[static_cast<std::size_t>(s)];
}
std::int16_t flagValue(bool flag)
{
    return flag ? 1 : 0;
}
int usableDscAddress(int g)
{
    return address::GroupBase + address::GroupStride * g + address::GroupDscOffset;
}

void decodeCommon(const MemoryImage& image, SettingValues& settings)
{
    for (const SettingRow& row : commonSettings())
        decodeSetting(row, image, settings);
}

void encodeCommon(MemoryImage& image, const SettingValues& settings)
{
    for (const SettingRow& row : commonSettings())
        encodeSetting(row, image, settings);
}

void decodeDsc(const MemoryImage& image, Records& records)
{
    for (int g = 0; g < UsableGroupCount; ++g)
        settingAt(records.settings, slot::UsableDsc + g) =
            flagValue(decodeFlagByte(image, usableDscAddress(g)));
    records.userMmsi = decodeDigits(image, address::UserMmsi);
    records.distressCancelCall = decodeBitFlag(image, address::DscFlagByte, DistressCancelBit);
    for (const auto& [s, bit] : DscFlagBits)
        dscAt(records.dscFlags, s) = decodeBitFlag(image, address::DscFlagByte, bit);
    for (const auto& [s, a] : BeepBytes)
        dscAt(records.dscFlags, s) = decodeFlagByte(image, a);
    for (int c = 0; c < CallKindCount; ++c) {
        for (int k = 0; k < CategoryCount; ++k) {
            dscAt(records.dscFlags, dscslot::receive(c, k)) =
                decodeBitFlag(image, address::AdvancedCalls + c, 7 - k);
            dscAt(records.dscFlags, dscslot::transmit(c, k)) =
                decodeBitFlag(image, address::AdvancedCalls + c, 3 - k);
        }
    }
}

void encodeDsc(MemoryImage& image, const Records& records)
{
    for (int g = 0; g < UsableGroupCount; ++g)
        encodeFlagByte(image, usableDscAddress(g), settingAt(records.settings, slot::UsableDsc + g) != 0);
    encodeDigits(image, address::UserMmsi, records.userMmsi, DigitForm::Mmsi);
    encodeBitFlag(image, address::DscFlagByte, DistressCancelBit, records.distressCancelCall);
    for (const auto& [s, bit] : DscFlagBits)
        encodeBitFlag(image, address::DscFlagByte, bit, dscAt(records.dscFlags, s));
    for (const auto& [s, a] : BeepBytes)
        encodeFlagByte(image, a, dscAt(records.dscFlags, s));
    for (int c = 0; c < CallKindCount; ++c) {
        int byte = 0;
        for (int k = 0; k < CategoryCount; ++k) {
            if (dscAt(records.dscFlags, dscslot::receive(c, k))) byte |= 0x80 >> k;
            if (dscAt(records.dscFlags, dscslot::transmit(c, k))) byte |= 0x08 >> k;
        }
        image[address::AdvancedCalls + c] = static_cast<std::uint8_t>(byte);
    }
}

void decodeAutoPos(const MemoryImage& image, AutoPosSettings& autoPos)
{
    autoPos.Enable = decodeFlagByte(image, address::AutoPosEnable);
    autoPos.Channel = decodeAutoPosChannel(image, address::AutoPosChannel);
    autoPos.Interval = decodeByte(image, address::AutoPosInterval);
    autoPos.Mmsi = decodeDigits(image, address::AutoPosMmsi);
    autoPos.MarineEnable = decodeByte(image, address::AutoPosMarineEnable);
    autoPos.SelectCall = decodeByte(image, address::AutoPosSelectCall);
    if (const auto where = lastAddressLocation(autoPos.SelectCall))
        autoPos.LastAddress = decodeByte(image, *where);
}

void encodeAutoPos(MemoryImage& image, const AutoPosSettings& autoPos)
{
    encodeFlagByte(image, address::AutoPosEnable, autoPos.Enable);
    encodeAutoPosChannel(image, address::AutoPosChannel, autoPos.Channel);
    encodeByte(image, address::AutoPosInterval, autoPos.Interval);
    encodeDigits(image, address::AutoPosMmsi, autoPos.Mmsi, DigitForm::Mmsi);
    encodeByte(image, address::AutoPosMarineEnable, autoPos.MarineEnable);
    encodeByte(image, address::AutoPosSelectCall, autoPos.SelectCall);
    if (const auto where = lastAddressLocation(autoPos.SelectCall))
        encodeByte(image, *where, autoPos.LastAddress);
}

} // namespace

std::optional<int> lastAddressLocation(int selectCall)
{
    if (selectCall == 0) return address::AutoPosLastMemoryId;
    if (selectCall == 1) return address::AutoPosLastGroupId;
    return std::nullopt;
}

void decodeSettings(const MemoryImage& image, Records& records)
{
    decodeCommon(image, records.settings);
    decodeDsc(image, records);
    settingsFromDscFlags(records);
    decodeAutoPos(image, records.autoPos);
    records.atisCode = decodeDigits(image, address::AtisCode);
}

void encodeSettings(MemoryImage& image, const Records& records)
{
    encodeCommon(image, records.settings);
    encodeDsc(image, records);
    encodeAutoPos(image, records.autoPos);
    encodeDigits(image, address::AtisCode, records.atisCode, DigitForm::Atis);
}

} // namespace zmp
