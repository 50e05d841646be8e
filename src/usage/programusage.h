#pragma once

#include <string>
#include <vector>

namespace zmp {

// What a completion offers for an option's value or a command's argument.
enum class UsageValue {
    None,
    File,
    Folder,
    Device, // a serial device
    Word,   // one of a fixed list of words
};

// One command-line option as --help, the manual page and the shell
// completions show it.
struct UsageOption {
    std::string name;       // "--program-dir"
    std::string shortName;  // "-h", or empty
    std::string value;      // "DIR"; empty for a switch
    std::string help;       // one paragraph, filled to the width
    std::string group = {}; // a heading of its own; empty for the main options
    UsageValue completes = UsageValue::None;
    std::vector<std::string> words = {}; // for UsageValue::Word
};

// One command (or sub-command) of a program with commands.
struct UsageCommand {
    std::string name;      // "export"
    std::string arguments; // "IN TABLE OUT.csv"
    std::string help;      // one paragraph, filled to the width
    // The words its first argument completes to (clear's kinds), or the
    // words of its second (export's tables) when firstIsFile.
    std::vector<std::string> words = {};
    bool firstIsFile = false;
};

// A program's whole command line: what --help prints and the manual page
// and the completions are made from.
struct ProgramUsage {
    std::string name;
    std::string synopsis; // after the name: "[OPTIONS] COMMAND [ARGS]"
    std::string summary;  // one paragraph, filled to the width, before the commands
    std::vector<UsageCommand> commands;
    std::vector<UsageOption> options;
    std::string notes = {};      // one paragraph after the options
    std::string exitStatus = {}; // what each exit status means
};

} // namespace zmp
