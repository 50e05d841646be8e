#include "cli/cli.h"

#include <algorithm>

#include "cli/clicommands.h"
#include "cli/streampath.h"
#include "usage/helptext.h"

namespace zmp {

namespace {

int usageError(std::ostream& err, const std::string& reason)
{
    err << "zmp-cli: " << reason << "\nTry 'zmp-cli --help'.\n";
    return ExitUsage;
}

int runCommand(const CliCommand& command, const CliOptions& options, std::ostream& out, std::ostream& err,
               std::istream& in, CliEnvironment& environment)
{
    if (command.run) return command.run(options, environment, out, err, in);
    CliSession session(options, environment);
    if (!session.selectModel(err)) return ExitFailed;
    if (!session.knowsDestination(err)) return ExitUsage;
    return command.runInSession(session, options.arguments, out, err, in);
}

std::vector<UsageCommand> commandUsages()
{
    std::vector<UsageCommand> usages;
    for (const CliCommand& command : cliCommands())
        usages.push_back(command.usage);
    return usages;
}

std::vector<UsageOption> optionUsages()
{
    std::vector<UsageOption> usages;
    for (const CliOption& option : cliOptions())
        usages.push_back(option.usage);
    return usages;
}

} // namespace

int Cli::run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, std::istream& in,
             CliEnvironment& environment)
{
    CliOptions options;
    std::string error;
    if (!CliOptions::parse(args, options, error)) return usageError(err, error);
    const CliCommand* command = findCliCommand(options.command);
    if (options.help && command) return out << HelpText::command(usage(), command->usage), ExitSuccess;
    if (options.help) return out << HelpText::program(usage()), ExitSuccess;
    if (options.version) return out << versionText(), ExitSuccess;
    if (options.command.empty()) return usageError(err, "no command given");
    if (!command) return usageError(err, "unknown command: " + options.command);
    const std::size_t count = options.arguments.size();
    if (count < command->minArgs || count > command->maxArgs)
        return usageError(err, "wrong number of arguments for " + options.command);
    if (options.ports.size() > 1 && options.command != "fleet" && options.command != "ports")
        return usageError(err, "--port given " + std::to_string(options.ports.size()) +
                                   " times; only fleet program and ports --probe take several");
    const int status = runCommand(*command, options, out, err, in, environment);
    if (StreamPath::flush(out, err)) return status;
    return std::max(status, command->troubleStatus);
}

std::string Cli::versionText()
{
    return std::string("zmp-cli ") + ZMP_VERSION + "\n";
}

ProgramUsage Cli::usage()
{
    return {"zmp-cli",
            "[OPTIONS] COMMAND [ARGS]",
            "",
            commandUsages(),
            optionUsages(),
            "Files by extension: .dat configuration file, .hex/.ini image file, .txt text report. "
            "Options may stand before or after the command; \"--\" ends them.",
            "0 success, 1 the operation failed, 2 usage error (also an unknown "
            "destination, table or model; --port auto: a radio answers on several devices), 3 cancelled. "
            "diff and check as diff(1): 0 nothing "
            "found, 1 differences or warnings found, 2 trouble (usage, a file or the radio "
            "cannot be read), 3 cancelled. A write error on stdout is a failure."};
}

} // namespace zmp
