#include "checks/mmsiform.h"

#include <array>

#include "codec/mmsitext.h"
#include "rules/fieldrules.h"
#include "rules/settingsrules.h"

namespace zmp {

namespace {

struct FormPrefix {
    std::string_view prefix;
    MmsiForm form;
    std::size_t midAt; // where the MID starts; NoMid when the form holds none
};

constexpr std::size_t NoMid = std::string_view::npos;

// Longest prefixes first: "111" before the ship forms, "00" before "0".
constexpr std::array<FormPrefix, 8> Prefixes{{
    {"111", MmsiForm::SarAircraft, 3},
    {"970", MmsiForm::AisSart, NoMid},
    {"972", MmsiForm::ManOverboard, NoMid},
    {"974", MmsiForm::EpirbAis, NoMid},
    {"98", MmsiForm::CraftAssociated, 2},
    {"99", MmsiForm::AidToNavigation, 2},
    {"00", MmsiForm::Coast, 2},
    {"0", MmsiForm::Group, 1},
}};

MmsiReading withMid(MmsiForm form, std::string_view digits, std::size_t at)
{
    MmsiReading reading{form, {}};
    if (at != NoMid && digits.size() >= at + 3) reading.mid = std::string(digits.substr(at, 3));
    return reading;
}

} // namespace

MmsiReading readMmsi(std::string_view digits)
{
    if (digits.empty()) return {};
    for (const auto& entry : Prefixes)
        if (digits.substr(0, entry.prefix.size()) == entry.prefix)
            return withMid(entry.form, digits, entry.midAt);
    const char first = digits.front();
    if (first >= '2' && first <= '7') return withMid(MmsiForm::Ship, digits, 0);
    if (first == '8') return withMid(MmsiForm::Handheld, digits, 1);
    return {};
}

std::string formName(MmsiForm form)
{
    switch (form) {
    case MmsiForm::Ship:
        return "ship station";
    case MmsiForm::Coast:
        return "coast station";
    case MmsiForm::Group:
        return "group";
    case MmsiForm::Handheld:
        return "handheld radio";
    case MmsiForm::SarAircraft:
        return "search-and-rescue aircraft";
    case MmsiForm::AisSart:
        return "AIS-SART beacon";
    case MmsiForm::ManOverboard:
        return "man-overboard beacon";
    case MmsiForm::EpirbAis:
        return "EPIRB-AIS beacon";
    case MmsiForm::CraftAssociated:
        return "craft of a parent ship";
    case MmsiForm::AidToNavigation:
        return "aid to navigation";
    case MmsiForm::Unknown:
        break;
    }
    return "no MMSI form";
}

bool neverCalled(MmsiForm form)
{
    switch (form) {
    case MmsiForm::SarAircraft:
    case MmsiForm::AisSart:
    case MmsiForm::ManOverboard:
    case MmsiForm::EpirbAis:
    case MmsiForm::CraftAssociated:
    case MmsiForm::AidToNavigation:
        return true;
    default:
        return false;
    }
}

std::string nineDigitMmsi(const std::string& stored)
{
    return userMmsiFieldText(trimSpaces(stored));
}

std::string strayTenthDigitProblem(const std::string& stored)
{
    const char digit = strayTenthDigit(trimSpaces(stored));
    if (digit == '\0') return {};
    return std::string("tenth digit ") + digit + " is not part of the MMSI; it is written as 0";
}

} // namespace zmp
