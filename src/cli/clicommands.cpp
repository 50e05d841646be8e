#include "cli/clicommands.h"

#include "cli/backupcommands.h"
#include "cli/diffcommand.h"
#include "cli/exchangecommands.h"
#include "cli/filecommandset.h"
#include "cli/fleetcommands.h"
#include "cli/portscommand.h"
#include "cli/radiocommands.h"
#include "cli/usagecommands.h"
#include "exchange/exchangetable.h"

namespace zmp {

namespace {

std::vector<std::string> tableWords()
{
    std::vector<std::string> words;
    for (const ExchangeTable table : ExchangeTables)
        words.push_back(exchangeTableId(table));
    return words;
}

// "a, b or c"
std::string wordList(const std::vector<std::string>& words)
{
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i)
        text += (i == 0 ? "" : i + 1 == words.size() ? " or " : ", ") + words[i];
    return text;
}

int runDiff(const CliOptions& options, CliEnvironment& environment, std::ostream& out, std::ostream& err,
            std::istream& in)
{
    return DiffCommand::run(options, environment, options.arguments, out, err, in);
}

int runBackups(const CliOptions& options, CliEnvironment& environment, std::ostream& out, std::ostream& err,
               std::istream&)
{
    return BackupCommands::runList(environment, options, out, err);
}

// The table, one entry a command, in the order of --help.
// NOLINTNEXTLINE(readability-function-size)
std::vector<CliCommand> makeCommands()
{
    const std::vector<std::string> tables = tableWords();
    const std::vector<std::string> clearWords = RadioCommands::clearWords();
    return {
        {{"new", "OUT", "new image with the destination loaded, saved as OUT"},
         1,
         1,
         &FileCommandSet::runNew},
        {{"convert", "IN OUT", "open IN, save it as OUT"}, 2, 2, &FileCommandSet::runConvert},
        {{"report", "IN [OUT]", "text report of IN to OUT, or to stdout when OUT is - or not given"},
         1,
         2,
         &FileCommandSet::runReport},
        {{"read", "OUT", "read the radio, save the image as OUT"}, 1, 1, &RadioCommands::runRead},
        {{"program", "IN", "program IN into the radio"}, 1, 1, &RadioCommands::runProgram},
        {{"clear", "WHAT [IN] [OUT]", "clear data in the radio; WHAT is " + wordList(clearWords), clearWords},
         1,
         3,
         &RadioCommands::runClear},
        {{"ports", "",
          "the serial devices with their description, a device another program holds marked busy; "
          "with --probe, which of them a radio answers on (exit 1 when none)"},
         0,
         0,
         nullptr,
         &PortsCommand::run},
        {{"destinations", "", "the model's destinations, the remembered one marked *"},
         0,
         0,
         &FileCommandSet::runDestinations},
        {{"models", "", "the models: number and name"}, 0, 0, nullptr, &UsageCommands::runModels},
        {{"diff", "A B",
          "differences between two configurations (exit 1 when any); "
          "A or B may be the word radio: the radio's configuration"},
         2,
         2,
         nullptr,
         &runDiff,
         ExitTrouble},
        {{"backups", "", "the backups of every read and program, oldest first"}, 0, 0, nullptr, &runBackups},
        {{"check", "IN",
          "marine checks of IN: MMSIs, MIDs, ATIS code and settings "
          "that contradict each other, one warning a line (exit 1 when any)"},
         1,
         1,
         &ExchangeCommands::runCheck,
         nullptr,
         ExitTrouble},
        {{"export", "IN TABLE OUT.csv",
          "a channel table or directory of IN as CSV (UTF-8, RFC 4180); "
          "OUT.csv - writes to stdout",
          tables, true},
         3,
         3,
         &ExchangeCommands::runExport},
        {{"import", "IN TABLE CSV OUT",
          "IN with TABLE replaced from CSV, saved as OUT; every problem is "
          "told as \"line N, column NAME: reason\" and then nothing is written; "
          "CSV - reads stdin. TABLE: " +
              wordList(tables),
          tables, true},
         4,
         4,
         &ExchangeCommands::runImport},
        {{"fleet",
          "check|program BASE FLEET.csv",
          "check: checks a fleet list (CSV: Label, User MMSI, optional ATIS "
          "Code and Group1..EXP CH Group Status Name) against BASE; every problem "
          "as \"line N, column NAME: reason\" (exit 1 when the list is refused); "
          "program: programs each radio of the list with BASE and its own User "
          "MMSI and ATIS Code, verified and kept in the backups under its label; "
          "one --port: asks for each radio on a terminal, or with --yes waits "
          "until the radio is taken off and the next answers; several --port: "
          "one radio on each at the same time, each port taking the next "
          "(exit 1 when any radio was not programmed)",
          {"check", "program"}},
         3,
         3,
         &FleetCommands::run},
        {{"help", "[COMMAND]", "this text, or the usage of COMMAND"}, 0, 1, nullptr, &UsageCommands::runHelp},
    };
}

} // namespace

const std::vector<CliCommand>& cliCommands()
{
    static const std::vector<CliCommand> commands = makeCommands();
    return commands;
}

const CliCommand* findCliCommand(const std::string& name)
{
    for (const CliCommand& command : cliCommands())
        if (command.usage.name == name) return &command;
    return nullptr;
}

} // namespace zmp
