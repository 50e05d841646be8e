#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zmp {

// Exit statuses of zmp-cli.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailed = 1;
inline constexpr int ExitUsage = 2;
inline constexpr int ExitCancelled = 3;

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

} // namespace zmp
