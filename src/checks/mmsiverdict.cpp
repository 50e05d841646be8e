#include "checks/mmsiverdict.h"

#include "checks/midtable.h"
#include "checks/mmsiform.h"

namespace zmp {

namespace {

// "366… United States of America", or the MID problem. Nothing until the
// three digits of the MID are there.
void judgeMid(const std::string& mid, const std::string& prefix, MmsiVerdict& verdict)
{
    if (mid.size() != 3) return;
    const std::string* country = MidTable::allocated().country(mid);
    if (!country) {
        verdict.problem = "MID " + mid + " is not allocated to any country";
        return;
    }
    verdict.note = prefix + mid + "\u2026 " + *country;
}

MmsiVerdict judgeUserMmsi(std::string_view digits)
{
    MmsiVerdict verdict;
    const MmsiReading reading = readMmsi(digits);
    if (reading.form != MmsiForm::Ship) {
        verdict.problem = "a ship station's MMSI begins with 2 to 7";
        return verdict;
    }
    judgeMid(reading.mid, "", verdict);
    return verdict;
}

MmsiVerdict judgeDirectoryEntry(std::string_view digits)
{
    MmsiVerdict verdict;
    const MmsiReading reading = readMmsi(digits);
    if (reading.form == MmsiForm::Unknown) {
        verdict.problem = "no MMSI begins with " + std::string(digits.substr(0, 1));
        return verdict;
    }
    if (neverCalled(reading.form)) {
        verdict.problem = formName(reading.form) + ", never a station to call";
        return verdict;
    }
    verdict.note = formName(reading.form);
    judgeMid(reading.mid, formName(reading.form) + ", ", verdict);
    return verdict;
}

MmsiVerdict judgeGroupId(std::string_view digits)
{
    MmsiVerdict verdict;
    const MmsiReading reading = readMmsi(digits);
    if (reading.form == MmsiForm::Coast) {
        verdict.problem = "a coast station's number (00 + MID), not a group";
        return verdict;
    }
    if (reading.form != MmsiForm::Group) {
        verdict.problem = "a group MMSI begins with 0";
        return verdict;
    }
    judgeMid(reading.mid, "group, ", verdict);
    return verdict;
}

MmsiVerdict judgeAtisCode(std::string_view digits)
{
    MmsiVerdict verdict;
    if (digits.front() != '9') {
        verdict.problem = "an ATIS code begins with 9";
        return verdict;
    }
    judgeMid(digits.size() >= 4 ? std::string(digits.substr(1, 3)) : std::string(), "", verdict);
    return verdict;
}

} // namespace

MmsiVerdict judgeNumber(NumberRole role, std::string_view digits)
{
    if (digits.empty()) return {};
    switch (role) {
    case NumberRole::UserMmsi:
        return judgeUserMmsi(digits);
    case NumberRole::MemoryId:
        return judgeDirectoryEntry(digits);
    case NumberRole::GroupId:
        return judgeGroupId(digits);
    case NumberRole::AtisCode:
        return judgeAtisCode(digits);
    }
    return {};
}

} // namespace zmp
