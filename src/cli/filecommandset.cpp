#include "cli/filecommandset.h"

#include "cli/jsondocument.h"
#include "cli/streampath.h"
#include "files/appsettings.h"
#include "files/textvalue.h"

namespace zmp {

bool FileCommandSet::checkInput(const std::string& path, std::ostream& err)
{
    const FileKind kind = fileKindOf(path);
    if (kind == FileKind::Configuration || kind == FileKind::Image) return true;
    err << "zmp-cli: not an input file (.dat, .hex or .ini): " << path << '\n';
    return false;
}

bool FileCommandSet::checkOutput(const std::string& out, const std::vector<std::string>& inputs,
                                 OutputCheck::Writes writes, std::ostream& err)
{
    const std::string problem = OutputCheck::usageProblem(out, inputs, writes);
    if (problem.empty()) return true;
    err << "zmp-cli: " << problem << '\n';
    return false;
}

// --raw writes the image as it stands, and a configuration file's content
// reaches the image only when it is prepared: it would be lost.
bool FileCommandSet::checkRaw(CliSession& session, const std::string& input, std::ostream& err)
{
    if (!session.options().raw || fileKindOf(input) != FileKind::Configuration) return true;
    err << "zmp-cli: --raw writes an image as it stands, and the content of " << input
        << " is not in one until it is prepared: leave out --raw\n";
    return false;
}

bool FileCommandSet::open(CliSession& session, const std::string& path, std::ostream& err)
{
    // A configuration file resets the image itself; an image file lands in
    // the start-up image, whose record fields outside the image it keeps.
    if (fileKindOf(path) == FileKind::Image) CliSession::print(err, session.resetImage());
    const FileOutcome outcome = session.load(path);
    CliSession::print(err, outcome);
    return outcome.ok;
}

bool FileCommandSet::save(CliSession& session, const std::string& path, std::ostream& err, bool rawImage)
{
    const FileOutcome outcome = session.save(path, rawImage);
    CliSession::print(err, outcome);
    return outcome.ok;
}

int FileCommandSet::runNew(CliSession& session, const std::vector<std::string>& args, std::ostream&,
                           std::ostream& err, std::istream&)
{
    if (!checkOutput(args[0], {}, OutputCheck::Writes::Configuration, err)) return ExitUsage;
    const FileOutcome outcome = session.resetImage();
    CliSession::print(err, outcome);
    if (!outcome.ok) return ExitFailed;
    return save(session, args[0], err) ? ExitSuccess : ExitFailed;
}

int FileCommandSet::runConvert(CliSession& session, const std::vector<std::string>& args, std::ostream&,
                               std::ostream& err, std::istream&)
{
    if (!checkInput(args[0], err) ||
        !checkOutput(args[1], {args[0]}, OutputCheck::Writes::Configuration, err) ||
        !checkRaw(session, args[0], err))
        return ExitUsage;
    if (!open(session, args[0], err)) return ExitFailed;
    return save(session, args[1], err) ? ExitSuccess : ExitFailed;
}

int FileCommandSet::runReport(CliSession& session, const std::vector<std::string>& args, std::ostream& out,
                              std::ostream& err, std::istream&)
{
    const bool toFile = args.size() > 1 && !StreamPath::isStandardOutput(args[1]);
    if (!checkInput(args[0], err)) return ExitUsage;
    if (toFile && !checkOutput(args[1], {args[0]}, OutputCheck::Writes::Report, err)) return ExitUsage;
    if (!open(session, args[0], err)) return ExitFailed;
    if (!toFile) return out << session.reportText(), ExitSuccess;
    const FileOutcome outcome = session.saveReport(args[1]);
    CliSession::print(err, outcome);
    return outcome.ok ? ExitSuccess : ExitFailed;
}

int FileCommandSet::runDestinations(CliSession& session, const std::vector<std::string>&, std::ostream& out,
                                    std::ostream& err, std::istream&)
{
    const FileOutcome reset = session.resetImage();
    CliSession::print(err, reset);
    const DestinationMenu& menu = session.destinations().menu();
    if (!reset.ok || !menu.enabled) return ExitFailed;
    const std::string remembered =
        AppSettings(session.environment().settings).rememberedDestination(session.model());
    JsonDocument json;
    for (const auto& item : menu.items) {
        if (!item.visible) continue;
        const bool isRemembered = TextValue::equalsIgnoringCase(item.caption, remembered);
        if (!session.options().json) {
            out << item.caption << (isRemembered ? " *" : "") << '\n';
            continue;
        }
        json.beginObject();
        json.add("name", item.caption);
        json.add("remembered", isRemembered);
    }
    if (session.options().json) out << json.text();
    return ExitSuccess;
}

} // namespace zmp
