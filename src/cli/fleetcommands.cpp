#include "cli/fleetcommands.h"

#include <algorithm>

#include "cli/filecommandset.h"
#include "exchange/csvfile.h"
#include "fleet/fleetcheck.h"
#include "message/controltext.h"

namespace zmp {

namespace {

std::string counted(std::size_t count, const std::string& what)
{
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

// The problem with the file it is in: the list's, the base's, or an option's alone.
std::string placed(const FleetProblem& problem, const std::string& basePath, const std::string& listPath)
{
    if (problem.source == FleetSource::Options) return problem.text();
    return (problem.source == FleetSource::Base ? basePath : listPath) + ": " + problem.text();
}

std::string verdict(const FleetProblems& problems, std::size_t radios, bool acceptWarnings)
{
    const auto warnings = static_cast<std::size_t>(
        std::count_if(problems.begin(), problems.end(), [](const FleetProblem& p) { return p.warning; }));
    const std::size_t errors = problems.size() - warnings;
    if (errors > 0)
        return "refused: " + counted(errors, "error") + (warnings ? ", " + counted(warnings, "warning") : "");
    if (warnings > 0 && !acceptWarnings)
        return "refused: " + counted(warnings, "warning") + "; --accept-warnings accepts them";
    return counted(radios, "radio") +
           (warnings ? ", " + counted(warnings, "warning") + " accepted" : ", no problems");
}

} // namespace

int FleetCommands::run(CliSession& session, const std::vector<std::string>& args, std::ostream& out,
                       std::ostream& err, std::istream&)
{
    if (args[0] != "check") {
        err << "zmp-cli: unknown fleet command: " << args[0] << " (check)\nTry 'zmp-cli --help'.\n";
        return ExitUsage;
    }
    const std::string& basePath = args[1];
    const std::string& listPath = args[2];
    if (!FileCommandSet::checkInput(basePath, err)) return ExitUsage;
    if (!FileCommandSet::open(session, basePath, err)) return ExitFailed;
    std::string text;
    if (const auto error = readCsvFile(listPath, text)) {
        err << "zmp-cli: " << listPath << ": " << escapeControls(*error) << '\n';
        return ExitFailed;
    }
    const CliOptions& options = session.options();
    FleetProblems problems;
    const FleetList list = FleetCheck::read(text, {session.records(), session.model(), session.hasAtis()},
                                            {options.fillDirectory, options.groupMmsi}, problems);
    for (const FleetProblem& problem : problems)
        out << escapeControls(placed(problem, basePath, listPath)) << '\n';
    out << listPath << ": " << verdict(problems, list.rows.size(), options.acceptWarnings) << '\n';
    return fleetAccepted(problems, options.acceptWarnings) ? ExitSuccess : ExitFailed;
}

} // namespace zmp
