#pragma once

#include <string>
#include <string_view>

namespace zmp {

// The numbers a configuration holds and what each must look like.
enum class NumberRole {
    UserMmsi, // this ship's own MMSI
    MemoryId, // an entry of the individual directory
    GroupId,  // an entry of the group directory (with its leading 0)
    AtisCode, // 9 + MID + 6 digits
};

struct MmsiVerdict {
    // What the number stands for: "366… United States of America" or
    // "coast station, 232… United Kingdom"; empty when nothing is known yet.
    std::string note;
    // Why the number is doubtful; empty when it is sound.
    std::string problem;

    // The text shown beside a field: the problem first, else the note.
    const std::string& shown() const { return problem.empty() ? note : problem; }
};

// Judges the digits of a number, complete or still being typed: the MID
// is judged once its three digits are there. The digit count itself is
// not judged here (the fields refuse a wrong count when left).
MmsiVerdict judgeNumber(NumberRole role, std::string_view digits);

} // namespace zmp
