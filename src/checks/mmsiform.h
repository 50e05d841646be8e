#pragma once

#include <string>
#include <string_view>

namespace zmp {

// What a nine-digit MMSI stands for, read from its leading digits.
enum class MmsiForm {
    Ship,            // MID + 6 digits
    Coast,           // 00 + MID + 4 digits
    Group,           // 0 + MID + 5 digits
    Handheld,        // 8 + MID + 5 digits
    SarAircraft,     // 111 + MID + 3 digits
    AisSart,         // 970 + 6 digits
    ManOverboard,    // 972 + 6 digits
    EpirbAis,        // 974 + 6 digits
    CraftAssociated, // 98 + MID + 4 digits
    AidToNavigation, // 99 + MID + 4 digits
    Unknown,
};

struct MmsiReading {
    MmsiForm form = MmsiForm::Unknown;
    // The MID inside the MMSI (empty for the beacon forms that carry none,
    // or for text too short to hold it).
    std::string mid;
};

// Reads the form from as many digits as there are, so that a field can be
// judged while it is typed: "2321" is a ship with the MID 232.
MmsiReading readMmsi(std::string_view digits);

// "ship station", "coast station", "group", ...
std::string formName(MmsiForm form);
// True for the forms that never answer a call from a ship's directory:
// aircraft, beacons, craft of a parent ship and aids to navigation.
bool neverCalled(MmsiForm form);

// The nine digits of a stored MMSI: the radio's ten-digit form ends in a
// 0 that is not part of the MMSI. Spaces around the text are dropped.
std::string nineDigitMmsi(const std::string& stored);

// Why the tenth place of a stored MMSI is doubtful: an image may hold a
// digit other than 0 there, which the radio, the file and a backup all get
// as 0. Empty when there is nothing to say.
std::string strayTenthDigitProblem(const std::string& stored);

} // namespace zmp
