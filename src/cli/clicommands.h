#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/clisession.h"
#include "usage/programusage.h"

namespace zmp {

// A command on the session that holds the configuration.
using SessionCommand = int (*)(CliSession&, const std::vector<std::string>&, std::ostream&, std::ostream&,
                               std::istream&);
// A command that makes its own sessions (diff, one a side) or needs none.
using PlainCommand = int (*)(const CliOptions&, CliEnvironment&, std::ostream&, std::ostream&, std::istream&);

// One zmp-cli command: its usage, as --help, `help COMMAND`, the manual
// page and the completions show it, the number of its arguments and the
// function that runs it. A new command is one entry of the table.
struct CliCommand {
    UsageCommand usage;
    std::size_t minArgs;
    std::size_t maxArgs;
    SessionCommand runInSession = nullptr;
    PlainCommand run = nullptr;
    // The status of a failure to write the output: 2 where 1 says
    // "differences or warnings found".
    int troubleStatus = ExitFailed;
};

const std::vector<CliCommand>& cliCommands();
// Null for a name no command has.
const CliCommand* findCliCommand(const std::string& name);

} // namespace zmp
