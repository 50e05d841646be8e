#pragma once

#include <array>
#include <span>
#include <string>

#include "codec/optiontables.h"
#include "model/memoryimage.h"
#include "model/records.h"

// One row per stored setting: where the image holds it, where the .dat
// file keeps it, how the report and the page show it. The codec, the file
// reader and writer, the report, the pages and the address locator all
// read these rows, so a setting is added here once.
namespace zmp {

inline constexpr const char* CommonSetupSection = "Common Setup";
inline constexpr const char* AtisCommonSection = "ATIS Setup (Common)";
// The file's names of the usable groups 0..3.
inline constexpr std::array<const char*, UsableGroupCount> GroupKeys{"Group1", "Group2", "Group3", "Exp CH"};

// How the image holds a setting.
enum class ImageForm {
    None,          // nowhere: the records and the .dat file only
    FlagByte,      // a byte, any non-zero value on
    Byte,          // a byte holding the value
    Bit,           // one bit of a byte
    HalfHourOffset // bits 5..0 of a byte, the signed half-hour offset
};

// How the .dat file writes a setting's value.
enum class FileForm {
    Flag,          // 0 or 1
    SignedInteger, // the value as it is
    Integer        // its absolute value
};

using OptionTable = const OptionList& (*)();

struct SettingRow {
    int slot;
    ImageForm imageForm;
    int address; // unused for ImageForm::None
    int bit;     // ImageForm::Bit only
    const char* section;
    const char* key; // nullptr: not kept in the .dat file
    FileForm fileForm;
    int filePosition;          // order of the keys within the section
    const char* reportCaption; // nullptr: not in the report
    int reportWidth;
    OptionTable reportOptions;
    const char* frame; // the page's frame, and the report's title
    const char* caption;
    const char* objectName;
    OptionTable pageOptions;
};

// The Common page's settings, in the page's order.
std::span<const SettingRow> commonSettings();

// The ATIS page's boxes, the four usable groups then the four killer
// groups. The image has no place for them: they live in the .dat file only.
std::span<const SettingRow> atisSettings();

// Whether the image holds the setting a .dat key names; keys of no
// setting of the table are taken as held.
bool isHeldByImage(const std::string& section, const std::string& key);

// A setting the radio and the file both hold no place for: its list is
// shown greyed and takes no choice.
bool isProgrammable(const SettingRow& row);
bool isFlag(const SettingRow& row);
// The stored value a row's list shows: a flag as 0 or 1.
int shownValue(const SettingRow& row, const SettingValues& settings);

// A value as the image holds it in a form, and back.
int decodeImageValue(ImageForm form, int address, int bit, const MemoryImage& image);
void encodeImageValue(ImageForm form, int address, int bit, MemoryImage& image, int value);

void decodeSetting(const SettingRow& row, const MemoryImage& image, SettingValues& settings);
void encodeSetting(const SettingRow& row, MemoryImage& image, const SettingValues& settings);

} // namespace zmp
