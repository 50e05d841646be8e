#include "cli/exchangecommands.h"

#include <optional>

#include "checks/marinechecks.h"
#include "cli/filecommandset.h"
#include "cli/jsondocument.h"
#include "cli/streampath.h"
#include "exchange/csvfile.h"
#include "exchange/tableexchange.h"
#include "files/atomicfile.h"
#include "message/controltext.h"

namespace zmp {

namespace {

std::optional<ExchangeTable> tableArgument(const std::string& id, std::ostream& err)
{
    const auto table = exchangeTableFromId(id);
    if (!table)
        err << "zmp-cli: unknown table: " << id << " (usa, intl, can, wx, exp, memory-id or group-id)\n";
    return table;
}

std::string jsonWarnings(const std::vector<CheckWarning>& warnings)
{
    JsonDocument json;
    for (const auto& warning : warnings) {
        json.beginObject();
        json.add("warning", warning.text);
    }
    return json.text();
}

// The CSV of an import: a file, or standard input for "-".
std::optional<std::string> readCsv(const std::string& path, std::istream& in, std::string& text)
{
    return StreamPath::isStandardInput(path) ? readCsvStream(in, text) : readCsvFile(path, text);
}

} // namespace

int ExchangeCommands::runCheck(CliSession& session, const std::vector<std::string>& args, std::ostream& out,
                               std::ostream& err, std::istream&)
{
    if (!FileCommandSet::checkInput(args[0], err)) return ExitUsage;
    if (!FileCommandSet::open(session, args[0], err)) return ExitTrouble;
    const auto warnings = MarineChecks::run(session.records());
    if (session.options().json)
        out << jsonWarnings(warnings);
    else
        for (const auto& warning : warnings)
            out << warning.text << '\n';
    return warnings.empty() ? ExitSuccess : ExitFailed;
}

int ExchangeCommands::runExport(CliSession& session, const std::vector<std::string>& args, std::ostream& out,
                                std::ostream& err, std::istream&)
{
    const bool toStdout = StreamPath::isStandardOutput(args[2]);
    if (!FileCommandSet::checkInput(args[0], err) ||
        (!toStdout && !FileCommandSet::checkOutput(args[2], {args[0]}, OutputCheck::Writes::Csv, err)))
        return ExitUsage;
    const auto table = tableArgument(args[1], err);
    if (!table) return ExitUsage;
    if (!FileCommandSet::open(session, args[0], err)) return ExitFailed;
    const std::string csv = TableExchange::exportCsv(session.records(), *table);
    if (toStdout) return out << csv, ExitSuccess;
    FileError error;
    if (writeFileAtomically(args[2], csv, &error)) return ExitSuccess;
    err << "zmp-cli: " << args[2] << ": " << error.description << '\n';
    return ExitFailed;
}

int ExchangeCommands::runImport(CliSession& session, const std::vector<std::string>& args, std::ostream&,
                                std::ostream& err, std::istream& in)
{
    if (!FileCommandSet::checkInput(args[0], err) ||
        !FileCommandSet::checkOutput(args[3], {args[0], args[2]}, OutputCheck::Writes::Configuration, err) ||
        !FileCommandSet::checkRaw(session, args[0], err))
        return ExitUsage;
    const auto table = tableArgument(args[1], err);
    if (!table) return ExitUsage;
    if (!FileCommandSet::open(session, args[0], err)) return ExitFailed;
    std::string text;
    if (const auto error = readCsv(args[2], in, text)) {
        err << "zmp-cli: " << args[2] << ": " << escapeControls(*error) << '\n';
        return ExitFailed;
    }
    const auto errors = TableExchange::importCsv(session.records(), *table, text);
    for (const auto& error : errors)
        err << "zmp-cli: " << args[2] << ": " << escapeControls(error) << '\n';
    if (!errors.empty()) return ExitFailed;
    return FileCommandSet::save(session, args[3], err) ? ExitSuccess : ExitFailed;
}

} // namespace zmp
