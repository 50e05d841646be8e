#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/clisession.h"
#include "usage/programusage.h"

namespace zmp {

// zmp-cli as a function: parses the command line, runs the command and
// returns the exit status. Output goes to out, messages to err.
class Cli {
  public:
    static int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   std::istream& in, CliEnvironment& environment);
    // The commands and options, as --help, the manual page and the
    // completions show them.
    static ProgramUsage usage();
    static std::string versionText();
};

} // namespace zmp
