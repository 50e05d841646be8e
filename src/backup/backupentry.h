#pragma once

#include <string>

namespace zmp {

// One line of the backup index: what was kept, when, from where, and how
// the transfer ended. name is the common stem of the .hex and .dat files.
struct BackupEntry {
    std::string time;        // UTC, "2026-12-08T06:26:10Z"
    std::string operation;   // a backupoperation word
    std::string model;       // "MR4400"
    std::string mmsi;        // the user MMSI; empty when none is set
    std::string destination; // the destination the configuration started from
    std::string port;        // the serial device
    std::string outcome;     // a backupoutcome word
    std::string name;
    // A fleet radio's label: part of the name only, made safe for a file name.
    std::string label = {};
};

namespace backupoperation {
inline constexpr const char* Read = "read";
inline constexpr const char* Programmed = "programmed";
// What the radio held before a program, read when the user asked for a copy.
inline constexpr const char* RadioCopy = "radio-copy";
} // namespace backupoperation

namespace backupoutcome {
inline constexpr const char* Complete = "complete";
// A program whose read-back was switched off.
inline constexpr const char* CompleteNotVerified = "complete, not verified";
inline constexpr const char* Failed = "failed";
inline constexpr const char* Cancelled = "cancelled";
// Kept before the transfer's end; a backup still saying so was cut short.
inline constexpr const char* Unfinished = "unfinished";
} // namespace backupoutcome

} // namespace zmp
