#include "cli/diffcommand.h"

#include <array>

#include "cli/filecommandset.h"
#include "cli/jsondocument.h"
#include "cli/radiocommands.h"
#include "files/configdiff.h"
#include "files/configfilewriter.h"

namespace zmp {

namespace {

// The configuration-file text of one side; on failure the exit status.
int composeSide(const CliOptions& options, CliEnvironment& environment, const std::string& side,
                std::ostream& err, std::istream& in, std::string& text)
{
    CliSession session(options, environment);
    if (!session.selectModel(err)) return ExitTrouble;
    if (!session.knowsDestination(err)) return ExitUsage;
    if (side == DiffCommand::RadioWord) {
        const int status = RadioCommands::readRadio(session, err, in);
        if (status != ExitSuccess) return status == ExitCancelled ? ExitCancelled : ExitTrouble;
    } else if (!FileCommandSet::open(session, side, err)) {
        return ExitTrouble;
    }
    text = ConfigFileWriter::compose(session.records(), session.model(), session.hasAtis());
    return ExitSuccess;
}

bool checkSide(const std::string& side, std::ostream& err)
{
    return side == DiffCommand::RadioWord || FileCommandSet::checkInput(side, err);
}

std::string jsonDifferences(const std::vector<ConfigDiff::Difference>& differences)
{
    JsonDocument json;
    for (const auto& difference : differences) {
        json.beginObject();
        json.add("section", difference.section);
        json.add("key", difference.key);
        json.add("a", difference.a);
        json.add("b", difference.b);
    }
    return json.text();
}

} // namespace

int DiffCommand::run(const CliOptions& options, CliEnvironment& environment,
                     const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     std::istream& in)
{
    if (!checkSide(args[0], err) || !checkSide(args[1], err)) return ExitUsage;
    if (args[0] == RadioWord && args[1] == RadioWord) {
        err << "zmp-cli: diff compares the radio with a file, not with itself\n";
        return ExitUsage;
    }
    std::array<std::string, 2> texts;
    // The file first: a file that cannot be opened is found before the
    // radio has been read.
    const std::array<std::size_t, 2> order =
        args[0] == RadioWord ? std::array<std::size_t, 2>{1, 0} : std::array<std::size_t, 2>{0, 1};
    for (const std::size_t side : order) {
        const int status = composeSide(options, environment, args[side], err, in, texts[side]);
        if (status != ExitSuccess) return status;
    }
    const std::string& a = texts[0];
    const std::string& b = texts[1];
    const auto differences = ConfigDiff::compareTexts(a, b);
    if (options.json)
        out << jsonDifferences(differences);
    else
        for (const auto& difference : differences)
            out << ConfigDiff::line(difference) << '\n';
    return differences.empty() ? ExitSuccess : ExitFailed;
}

} // namespace zmp
