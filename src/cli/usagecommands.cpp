#include "cli/usagecommands.h"

#include "cli/cli.h"
#include "cli/clicommands.h"
#include "model/models.h"
#include "usage/helptext.h"

namespace zmp {

int UsageCommands::runHelp(const CliOptions& options, CliEnvironment&, std::ostream& out, std::ostream& err,
                           std::istream&)
{
    if (options.arguments.empty()) return out << HelpText::program(Cli::usage()), ExitSuccess;
    const CliCommand* command = findCliCommand(options.arguments[0]);
    if (command) return out << HelpText::command(Cli::usage(), command->usage), ExitSuccess;
    err << "zmp-cli: unknown command: " << options.arguments[0] << "\nTry 'zmp-cli --help'.\n";
    return ExitUsage;
}

int UsageCommands::runModels(const CliOptions&, CliEnvironment&, std::ostream& out, std::ostream&,
                             std::istream&)
{
    for (const ModelTraits& traits : Models)
        out << traits.number << ' ' << traits.name << '\n';
    return ExitSuccess;
}

} // namespace zmp
