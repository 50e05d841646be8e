#pragma once

#include <span>
#include <string>

#include "image/settingstable.h"

// One row per on/off choice of the DSC page and of the image's DSC bytes:
// where the records keep it, where the image holds it, its .dat key, its
// line in the report and its list on the page. The codec, the file reader
// and writer, the report, the page, Compare with Radio and the records'
// two copies of the beeps all read these rows.
namespace zmp {

inline constexpr const char* DscBasicSection = "DSC Setup (Basic Setup)";
inline constexpr const char* DscAdvancedSection = "DSC Setup (Advanced Setup)";
inline constexpr const char* DscDisplaySection = "DSC Setup (Display Setup)";

// The DSC page's frames that the report and Compare with Radio name too.
inline constexpr const char* UsableDscFrame = "Usable DSC CH Group";
inline constexpr const char* BeepFrame = "DSC Beep Output";
inline constexpr const char* DisplayFrame = "Display Setup";

// Where the records keep a choice: a slot of SettingValues (the file's and
// the page's side) or of DscFlags (the image's side).
enum class DscStore { Setting, Flag };

struct DscSettingRow {
    DscStore store = DscStore::Setting;
    int slot = 0;
    ImageForm imageForm = ImageForm::None; // None, FlagByte or Bit
    int address = 0;
    int bit = 0;
    const char* section = nullptr; // the .dat section, and the report's
    const char* key = nullptr;     // nullptr: not in the .dat file
    bool numberedKey = false;      // the key ends in the row's number
    int number = 0;                // the control's name ends in it
    // A Low/Hi list beside the call before it: "TX" follows the call's key
    // and control name.
    bool power = false;
    int mirror = -1;                     // the DscFlags slot of the same choice
    const char* reportTitle = "";        // the bracketed title of its group
    const char* reportCaption = nullptr; // nullptr: not in the report
    const char* frame = "";              // the page's frame
    const char* caption = nullptr;
    const char* control = nullptr; // its list's name, before "_" and the number; nullptr: not on the page
};

// Every row: the usable groups first, then the basic section's other rows
// in the file's order, the image's beeps, the advanced calls and the
// display menus.
std::span<const DscSettingRow> dscSettings();
// The first rows: the usable flag of each group.
std::span<const DscSettingRow> usableDscSettings();

// Whether programming sends the choice: the image holds it, or the image's
// copy of it.
bool isSentToRadio(const DscSettingRow& row);

bool dscValue(const DscSettingRow& row, const Records& records);
void setDscValue(const DscSettingRow& row, Records& records, bool value);

std::string dscKey(const DscSettingRow& row);
std::string dscControl(const DscSettingRow& row);
// The page's frame and caption, as Compare with Radio names the list.
std::string dscPlaceCaption(const DscSettingRow& row);

void decodeDscSetting(const DscSettingRow& row, const MemoryImage& image, Records& records);
void encodeDscSetting(const DscSettingRow& row, MemoryImage& image, const Records& records);

} // namespace zmp
