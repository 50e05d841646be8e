#include "image/settingscodec.h"

#include "image/dscmirror.h"
#include "image/dscsettingstable.h"
#include "image/fieldcodec.h"
#include "image/imagemap.h"
#include "image/settingstable.h"

namespace zmp {

namespace {

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
    records.userMmsi = decodeDigits(image, address::UserMmsi);
    for (const DscSettingRow& row : dscSettings())
        decodeDscSetting(row, image, records);
}

void encodeDsc(MemoryImage& image, const Records& records)
{
    encodeDigits(image, address::UserMmsi, records.userMmsi, DigitForm::Mmsi);
    for (const DscSettingRow& row : dscSettings())
        encodeDscSetting(row, image, records);
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
