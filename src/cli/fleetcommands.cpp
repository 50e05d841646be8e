#include "cli/fleetcommands.h"

#include "cli/filecommandset.h"
#include "cli/fleetprogramcommand.h"
#include "exchange/csvfile.h"
#include "fleet/fleetcheck.h"
#include "message/controltext.h"

namespace zmp {

namespace {

// The problem with the file it is in: the list's, the base's, or an option's alone.
std::string placed(const FleetProblem& problem, const std::string& basePath, const std::string& listPath)
{
    if (problem.source == FleetSource::Options) return problem.text();
    return (problem.source == FleetSource::Base ? basePath : listPath) + ": " + problem.text();
}

} // namespace

int FleetCommands::run(CliSession& session, const std::vector<std::string>& args, std::ostream& out,
                       std::ostream& err, std::istream& in)
{
    const bool program = args[0] == "program";
    if (!program && args[0] != "check") {
        err << "zmp-cli: unknown fleet command: " << args[0] << " (check, program)\nTry 'zmp-cli --help'.\n";
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
    // fleet program tells the problems beside its questions, on stderr.
    std::ostream& told = program ? err : out;
    for (const FleetProblem& problem : problems)
        told << escapeControls(placed(problem, basePath, listPath)) << '\n';
    const bool accepted = fleetAccepted(problems, options.acceptWarnings);
    if (!program || !accepted)
        told << listPath << ": "
             << fleetVerdict(problems, list.rows.size(), options.acceptWarnings,
                             "--accept-warnings accepts them")
             << '\n';
    if (!accepted) return ExitFailed;
    return program ? FleetProgramCommand::run(session, list, out, err, in) : ExitSuccess;
}

} // namespace zmp
