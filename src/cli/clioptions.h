#pragma once

#include <optional>
#include <string>
#include <vector>

#include "usage/programusage.h"

namespace zmp {

// Exit statuses of zmp-cli.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailed = 1;
inline constexpr int ExitUsage = 2;
inline constexpr int ExitCancelled = 3;
// diff and check, like diff(1): 1 says differences or warnings were found,
// so trouble (a usage error, a file or radio that cannot be read) is 2.
inline constexpr int ExitTrouble = 2;

// The command line of zmp-cli: options (before or after the command), the
// command and its arguments.
struct CliOptions {
    std::optional<std::string> programDir;
    std::optional<int> model;
    std::optional<std::string> destination;
    std::optional<std::string> port; // the first --port: the device of a single radio's command
    std::vector<std::string> ports;  // every --port in order: the fleet's devices
    bool slow = false;
    bool debug = false;
    bool yes = false;
    bool raw = false;
    bool noVerify = false;
    bool noBackup = false;
    bool backupRadio = false;       // program: read the radio first and keep what it held
    bool json = false;              // one JSON document instead of lines of text
    bool probe = false;             // ports: which devices a radio answers on
    bool fillDirectory = false;     // fleet: the other radios into each Individual Directory
    bool acceptWarnings = false;    // fleet: a list with warnings only is accepted
    std::string groupMmsi;          // fleet: the group MMSI for Group ID 1
    bool again = false;             // fleet: program radios the log has done or that hold another MMSI
    std::optional<std::string> log; // fleet: the fleet log
    bool help = false;
    bool version = false;
    std::string command;
    std::vector<std::string> arguments;

    // Parses args (without the program name). On a usage error returns
    // false with the reason in error.
    static bool parse(const std::vector<std::string>& args, CliOptions& options, std::string& error);
};

// One option of zmp-cli: its usage, as --help, the manual page and the
// completions show it, and what it sets (a switch is given no value). A new
// option is a member of CliOptions and one entry of the table.
struct CliOption {
    UsageOption usage;
    bool (*set)(CliOptions& options, const std::string& value, std::string& error);
    // Given several times, each value counts; otherwise a second, different
    // value is refused.
    bool gathers = false;
};

const std::vector<CliOption>& cliOptions();

} // namespace zmp
