#pragma once

#include <string>

#include "usage/programusage.h"

namespace zmp {

// The text of --help from a program's usage: a synopsis, the commands and
// the options in two columns.
class HelpText {
  public:
    static std::string program(const ProgramUsage& usage);
    // `PROGRAM help COMMAND` and `COMMAND --help`: its synopsis and help.
    static std::string command(const ProgramUsage& usage, const UsageCommand& command);
    // The left column of an option: "-h, --help" or "--model N".
    static std::string optionTerm(const UsageOption& option);
};

} // namespace zmp
