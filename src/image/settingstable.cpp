#include "image/settingstable.h"

#include <array>

#include "image/fieldcodec.h"
#include "image/imagemap.h"

namespace zmp {

namespace {

constexpr int Narrow = 18;
constexpr int Wide = 35;
constexpr int NoBit = 0;

// slot, image form, address, bit; .dat section, key, form, position;
// report caption, width, texts; page frame, caption, list, texts.
constexpr std::array<SettingRow, 11> CommonRows{{
    {slot::Scan, ImageForm::FlagByte, address::Scan, NoBit, CommonSetupSection, "SCAN", FileForm::Flag, 0,
     "SCAN:", Narrow, offOnOptions, "Scanning Function", "SCAN", "cmbCommonScan", offOnOptions},
    {slot::ResumeTime, ImageForm::Byte, address::ResumeTime, NoBit, CommonSetupSection, "Resume Time",
     FileForm::SignedInteger, 1, "Resume Time:", Narrow, resumeTimeOptions, "Scanning Function",
     "Resume Time", "cmbCommonResume", resumeTimeChoices},
    {slot::PttScanClear, ImageForm::FlagByte, address::PttScanClear, NoBit, CommonSetupSection,
     "PTT SCAN Clear", FileForm::Flag, 2, "PTT SCAN Clear:", Narrow, offOnOptions, "Scanning Function",
     "PTT SCAN Clear", "cmbCommonPTTSCAN", offOnOptions},
    {slot::DualWatch, ImageForm::FlagByte, address::DualWatch, NoBit, CommonSetupSection, "Dual Watch",
     FileForm::Flag, 3, "Dual Watch:", Narrow, offOnOptions, "Scanning Function", "Dual Watch",
     "cmbCommonDual", offOnOptions},
    {slot::TxPoDisplay, ImageForm::None, 0, NoBit, CommonSetupSection, nullptr, FileForm::SignedInteger, 0,
     nullptr, Narrow, txPoDisplayOptions, "Starting TX Mode", "TX Po Display", "cmbCommonTXPo",
     txPoDisplayOptions},
    {slot::TimeDisplay, ImageForm::Bit, address::TimeByte, 7, CommonSetupSection, "Time Display",
     FileForm::Flag, 5, "Time Display:", Narrow, timeDisplayOptions, "Time Setup", "Display",
     "cmbCommonTimedisplay", timeDisplayOptions},
    {slot::OffsetTime, ImageForm::HalfHourOffset, address::TimeByte, NoBit, CommonSetupSection, "Offset Time",
     FileForm::SignedInteger, 4, "Offset Time:", Narrow, offsetTimeOptions, "Time Setup", "Offset",
     "cmbCommonOffset", offsetTimeOptions},
    {slot::Format, ImageForm::Bit, address::TimeByte, 6, CommonSetupSection, "Format", FileForm::Flag, 6,
     "Format:", Narrow, formatOptions, "Time Setup", "Format", "cmbCommonFormat", formatOptions},
    {slot::Weater, ImageForm::Byte, address::Weater, NoBit, CommonSetupSection, "Weater", FileForm::Integer,
     7, "Weather Alert:", Wide, weaterOptions, "Weather CH Function", "Weather Alert", "cmbCommonWeater",
     weatherAlertChoices},
    {slot::Sog, ImageForm::Byte, address::Sog, NoBit, CommonSetupSection, "SOG", FileForm::Integer, 8,
     "SOG:", Wide, sogOptions, "Units of Measure", "SOG", "cmbCommonSOG", sogOptions},
    {slot::Distance, ImageForm::Byte, address::Distance, NoBit, CommonSetupSection, "Distance",
     FileForm::Integer, 9, "Distance:", Wide, distanceOptions, "Units of Measure", "Distance",
     "cmbCommonDistance", distanceOptions},
}};

constexpr SettingRow atisBox(int slot, const char* key, const char* frame, const char* objectName)
{
    return {slot,    ImageForm::None, 0,       NoBit, AtisCommonSection, key,        FileForm::Flag, 0,
            nullptr, Narrow,          nullptr, frame, nullptr,           objectName, offOnOptions};
}

constexpr const char* UsableAtis = "Usable ATIS CH Group";
constexpr const char* AtisKiller = "Usable ATIS Killer CH Group";

constexpr std::array<SettingRow, 8> AtisRows{{
    atisBox(slot::UsableAtis, "Usable ATIS CH Group0", UsableAtis, "chkATISChGroup_0"),
    atisBox(slot::UsableAtis + 1, "Usable ATIS CH Group1", UsableAtis, "chkATISChGroup_1"),
    atisBox(slot::UsableAtis + 2, "Usable ATIS CH Group2", UsableAtis, "chkATISChGroup_2"),
    atisBox(slot::UsableAtis + 3, "Usable ATIS CH Group3", UsableAtis, "chkATISChGroup_3"),
    atisBox(slot::AtisKiller, "Usable ATIS Kikker CH Group0", AtisKiller, "chkATISKiller_0"),
    atisBox(slot::AtisKiller + 1, "Usable ATIS Kikker CH Group1", AtisKiller, "chkATISKiller_1"),
    atisBox(slot::AtisKiller + 2, "Usable ATIS Kikker CH Group2", AtisKiller, "chkATISKiller_2"),
    atisBox(slot::AtisKiller + 3, "Usable ATIS Kikker CH Group3", AtisKiller, "chkATISKiller_3"),
}};

constexpr int OffsetHigh = 5;
constexpr int OffsetLow = 0;

std::int16_t& at(SettingValues& settings, int slot)
{
    return settings[static_cast<std::size_t>(slot)];
}

int at(const SettingValues& settings, int slot)
{
    return settings[static_cast<std::size_t>(slot)];
}

} // namespace

int decodeImageValue(ImageForm form, int address, int bit, const MemoryImage& image)
{
    switch (form) {
    case ImageForm::FlagByte:
        return decodeFlagByte(image, address) ? 1 : 0;
    case ImageForm::Byte:
        return decodeByte(image, address);
    case ImageForm::Bit:
        return decodeBitFlag(image, address, bit) ? 1 : 0;
    case ImageForm::HalfHourOffset:
        return decodeHalfHourOffset(
            static_cast<std::uint8_t>(decodeBitField(image, address, OffsetHigh, OffsetLow)));
    case ImageForm::None:
        break;
    }
    return 0;
}

void encodeImageValue(ImageForm form, int address, int bit, MemoryImage& image, int value)
{
    switch (form) {
    case ImageForm::FlagByte:
        encodeFlagByte(image, address, value != 0);
        break;
    case ImageForm::Byte:
        encodeByte(image, address, value);
        break;
    case ImageForm::Bit:
        encodeBitFlag(image, address, bit, value != 0);
        break;
    case ImageForm::HalfHourOffset:
        encodeBitField(image, address, OffsetHigh, OffsetLow, encodeHalfHourOffset(value));
        break;
    case ImageForm::None:
        break;
    }
}

std::span<const SettingRow> commonSettings()
{
    return CommonRows;
}

std::span<const SettingRow> atisSettings()
{
    return AtisRows;
}

bool isHeldByImage(const std::string& section, const std::string& key)
{
    for (const std::span<const SettingRow> rows : {commonSettings(), atisSettings()})
        for (const SettingRow& row : rows)
            if (row.key && row.section == section && row.key == key) return row.imageForm != ImageForm::None;
    return true;
}

bool isProgrammable(const SettingRow& row)
{
    return row.imageForm != ImageForm::None || row.key != nullptr;
}

bool isFlag(const SettingRow& row)
{
    return row.fileForm == FileForm::Flag;
}

int shownValue(const SettingRow& row, const SettingValues& settings)
{
    const int value = at(settings, row.slot);
    return isFlag(row) ? (value != 0 ? 1 : 0) : value;
}

void decodeSetting(const SettingRow& row, const MemoryImage& image, SettingValues& settings)
{
    if (row.imageForm == ImageForm::None) return;
    at(settings, row.slot) =
        static_cast<std::int16_t>(decodeImageValue(row.imageForm, row.address, row.bit, image));
}

void encodeSetting(const SettingRow& row, MemoryImage& image, const SettingValues& settings)
{
    encodeImageValue(row.imageForm, row.address, row.bit, image, at(settings, row.slot));
}

} // namespace zmp
