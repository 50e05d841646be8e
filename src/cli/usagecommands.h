#pragma once

#include <istream>
#include <ostream>

#include "cli/clisession.h"

namespace zmp {

// The zmp-cli commands about zmp-cli itself.
class UsageCommands {
  public:
    // help [COMMAND]: the usage of zmp-cli, or of one command.
    static int runHelp(const CliOptions& options, CliEnvironment& environment, std::ostream& out,
                       std::ostream& err, std::istream& in);
    // models: the models zmp-cli knows, "NUMBER NAME" a line.
    static int runModels(const CliOptions& options, CliEnvironment& environment, std::ostream& out,
                         std::ostream& err, std::istream& in);
};

} // namespace zmp
