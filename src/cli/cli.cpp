#include "cli/cli.h"

#include <array>
#include <cerrno>
#include <cstring>

#include "cli/backupcommands.h"
#include "cli/diffcommand.h"
#include "cli/exchangecommands.h"
#include "cli/filecommandset.h"
#include "cli/fleetcommands.h"
#include "cli/radiocommands.h"

namespace zmp {

namespace {

using SessionCommand = int (*)(CliSession&, const std::vector<std::string>&, std::ostream&, std::ostream&,
                               std::istream&);

struct CommandEntry {
    const char* name;
    std::size_t minArgs;
    std::size_t maxArgs;
    SessionCommand run; // null: diff, which opens two configurations, and backups
};

constexpr std::array<CommandEntry, 13> Commands{{
    {"new", 1, 1, &FileCommandSet::runNew},
    {"convert", 2, 2, &FileCommandSet::runConvert},
    {"report", 1, 2, &FileCommandSet::runReport},
    {"destinations", 0, 0, &FileCommandSet::runDestinations},
    {"read", 1, 1, &RadioCommands::runRead},
    {"program", 1, 1, &RadioCommands::runProgram},
    {"clear", 1, 3, &RadioCommands::runClear},
    {"diff", 2, 2, nullptr},
    {"check", 1, 1, &ExchangeCommands::runCheck},
    {"export", 3, 3, &ExchangeCommands::runExport},
    {"import", 4, 4, &ExchangeCommands::runImport},
    {"backups", 0, 0, nullptr},
    {"fleet", 3, 3, &FleetCommands::run},
}};

int usageError(std::ostream& err, const std::string& reason)
{
    err << "zmp-cli: " << reason << "\nTry 'zmp-cli --help'.\n";
    return ExitUsage;
}

const CommandEntry* findCommand(const std::string& name)
{
    for (const auto& entry : Commands)
        if (name == entry.name) return &entry;
    return nullptr;
}

// What a command printed must have reached standard output: a full disk
// or a closed pipe is a failure, and told.
int checkedOutput(int status, std::ostream& out, std::ostream& err)
{
    errno = 0;
    if (out.flush()) return status;
    err << "zmp-cli: standard output: " << std::strerror(errno != 0 ? errno : EIO) << '\n';
    return status == ExitSuccess ? ExitFailed : status;
}

} // namespace

int Cli::run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, std::istream& in,
             CliEnvironment& environment)
{
    CliOptions options;
    std::string error;
    if (!CliOptions::parse(args, options, error)) return usageError(err, error);
    if (options.help) return out << helpText(), ExitSuccess;
    if (options.version) return out << versionText(), ExitSuccess;
    if (options.command.empty()) return usageError(err, "no command given");
    const CommandEntry* command = findCommand(options.command);
    if (!command) return usageError(err, "unknown command: " + options.command);
    const std::size_t count = options.arguments.size();
    if (count < command->minArgs || count > command->maxArgs)
        return usageError(err, "wrong number of arguments for " + options.command);
    if (options.ports.size() > 1 && options.command != "fleet")
        return usageError(err, "--port given " + std::to_string(options.ports.size()) +
                                   " times; only fleet program takes several");
    if (options.command == "backups")
        return checkedOutput(BackupCommands::runList(environment, out, err), out, err);
    if (!command->run)
        return checkedOutput(DiffCommand::run(options, environment, options.arguments, out, err, in), out,
                             err);
    CliSession session(options, environment);
    if (!session.selectModel(err)) return ExitFailed;
    return checkedOutput(command->run(session, options.arguments, out, err, in), out, err);
}

std::string Cli::versionText()
{
    return std::string("zmp-cli ") + ZMP_VERSION + "\n";
}

// One string literal, line by line as printed; there is no logic to split.
// NOLINTNEXTLINE(readability-function-size)
std::string Cli::helpText()
{
    return "Usage: zmp-cli [OPTIONS] COMMAND [ARGS]\n"
           "\n"
           "Commands:\n"
           "  new OUT                  new image with the destination loaded, saved as OUT\n"
           "  convert IN OUT           open IN, save it as OUT\n"
           "  report IN [OUT]          text report of IN to OUT, or to stdout\n"
           "  read OUT                 read the radio, save the image as OUT\n"
           "  program IN               program IN into the radio\n"
           "  clear WHAT [IN] [OUT]    clear data in the radio; WHAT is mmsi, atis, dsc-log,\n"
           "                           distress-log, individual, group, waypoint, dsc-tx-log or all\n"
           "  destinations             the model's destinations, the remembered one marked *\n"
           "  diff A B                 differences between two configurations (exit 1 when any);\n"
           "                           A or B may be the word radio: the radio's configuration\n"
           "  backups                  the backups of every read and program, oldest first\n"
           "  check IN                 marine checks of IN: MMSIs, MIDs, ATIS code and settings\n"
           "                           that contradict each other, one warning a line (exit 1 when any)\n"
           "  export IN TABLE OUT.csv  a channel table or directory of IN as CSV (UTF-8, RFC 4180)\n"
           "  import IN TABLE CSV OUT  IN with TABLE replaced from CSV, saved as OUT; every problem is\n"
           "                           told as \"line N, column NAME: reason\" and then nothing is written\n"
           "                           TABLE: usa, intl, can, wx, exp, memory-id or group-id\n"
           "  fleet check BASE FLEET.csv\n"
           "                           checks a fleet list (CSV: Label, User MMSI, optional ATIS Code\n"
           "                           and Group1..EXP CH Group Status Name) against BASE; every problem\n"
           "                           as \"line N, column NAME: reason\" (exit 1 when the list is refused)\n"
           "  fleet program BASE FLEET.csv\n"
           "                           programs each radio of the list with BASE and its own User MMSI\n"
           "                           and ATIS Code, verified and kept in the backups under its label;\n"
           "                           one --port: asks for each radio on a terminal, or with --yes waits\n"
           "                           until the radio is taken off and the next answers; several --port:\n"
           "                           one radio on each at the same time, each port taking the next\n"
           "                           (exit 1 when any radio was not programmed)\n"
           "\n"
           "Files by extension: .dat configuration file, .hex/.ini image file, .txt text report.\n"
           "\n"
           "Options (before or after the command):\n"
           "  --program-dir DIR        folder of global.ini, destination files and err.log\n"
           "  --model N                1 = MR4400, 11 = MR4400M (default: as the editor starts)\n"
           "  --destination NAME       destination of every new image (default: the remembered one)\n"
           "  --port DEV               serial device, e.g. /dev/ttyUSB0 or COM3\n"
           "                           (default: the editor's port number); fleet program: once a port\n"
           "  --slow                   keep the transfer at 19200 baud\n"
           "  --debug                  link status lines on stderr, err.log written\n"
           "  --yes                    answer OK / Retry to the link's questions (each at most\n"
           "                           three times and for 30 s)\n"
           "  --no-verify              program without reading the written ranges back\n"
           "  --raw                    write a .hex output exactly as the image stands\n"
           "  --no-backup              keep no backup of what read and program transfer\n"
           "  --fill-directory         fleet: the other radios into each Individual Directory\n"
           "  --group-mmsi 0MIDXXXXX   fleet: the fleet's group MMSI as Group ID 1\n"
           "  --accept-warnings        fleet: accept a list whose problems are warnings only\n"
           "  --log LOG.csv            fleet: one line per radio as it finishes; a rerun with the same\n"
           "                           log skips the radios it has done\n"
           "  --again                  fleet: program radios the log has done and radios that already\n"
           "                           hold another User MMSI\n"
           "  -h, --help               this text\n"
           "  --version                the version\n"
           "\n"
           "Exit status: 0 success, 1 the operation failed, 2 usage error, 3 cancelled.\n";
}

} // namespace zmp
