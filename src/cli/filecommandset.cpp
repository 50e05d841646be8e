#include "cli/filecommandset.h"

#include <filesystem>
#include <system_error>

#include "files/appsettings.h"
#include "files/textvalue.h"

namespace zmp {

namespace {

// A report goes only where its extension says a report goes.
bool checkReportOutput(const std::string& path, std::ostream& err)
{
    if (fileKindOf(path) == FileKind::Report) return true;
    err << "zmp-cli: a report is written to a .txt file: " << path << '\n';
    return false;
}

} // namespace

bool FileCommandSet::checkInput(const std::string& path, std::ostream& err)
{
    const FileKind kind = fileKindOf(path);
    if (kind == FileKind::Configuration || kind == FileKind::Image) return true;
    err << "zmp-cli: not an input file (.dat, .hex or .ini): " << path << '\n';
    return false;
}

bool FileCommandSet::checkOutput(const std::string& path, std::ostream& err)
{
    if (fileKindOf(path) != FileKind::Unknown) return true;
    err << "zmp-cli: unknown output file type (.dat, .hex, .ini or .txt): " << path << '\n';
    return false;
}

bool FileCommandSet::checkDistinct(const std::string& input, const std::string& output, std::ostream& err)
{
    std::error_code error;
    const bool same = input == output || std::filesystem::equivalent(input, output, error);
    if (!same) return true;
    err << "zmp-cli: the output would overwrite the input: " << output << '\n';
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
    if (!checkOutput(args[0], err)) return ExitUsage;
    const FileOutcome outcome = session.resetImage();
    CliSession::print(err, outcome);
    if (!outcome.ok) return ExitFailed;
    return save(session, args[0], err) ? ExitSuccess : ExitFailed;
}

int FileCommandSet::runConvert(CliSession& session, const std::vector<std::string>& args, std::ostream&,
                               std::ostream& err, std::istream&)
{
    if (!checkInput(args[0], err) || !checkOutput(args[1], err) || !checkDistinct(args[0], args[1], err))
        return ExitUsage;
    if (!open(session, args[0], err)) return ExitFailed;
    return save(session, args[1], err) ? ExitSuccess : ExitFailed;
}

int FileCommandSet::runReport(CliSession& session, const std::vector<std::string>& args, std::ostream& out,
                              std::ostream& err, std::istream&)
{
    if (!checkInput(args[0], err)) return ExitUsage;
    if (args.size() > 1 && !checkDistinct(args[0], args[1], err)) return ExitUsage;
    if (args.size() > 1 && !checkReportOutput(args[1], err)) return ExitUsage;
    if (!open(session, args[0], err)) return ExitFailed;
    if (args.size() < 2) {
        out << session.reportText();
        return out ? ExitSuccess : ExitFailed;
    }
    const FileOutcome outcome = session.saveReport(args[1]);
    CliSession::print(err, outcome);
    return outcome.ok ? ExitSuccess : ExitFailed;
}

int FileCommandSet::runDestinations(CliSession& session, const std::vector<std::string>&, std::ostream& out,
                                    std::ostream& err, std::istream&)
{
    CliSession::print(err, session.resetImage());
    const DestinationMenu& menu = session.destinations().menu();
    if (!menu.enabled) return ExitFailed;
    const std::string remembered =
        AppSettings(session.environment().settings).rememberedDestination(session.model());
    for (const auto& item : menu.items) {
        if (!item.visible) continue;
        out << item.caption << (TextValue::equalsIgnoringCase(item.caption, remembered) ? " *" : "") << '\n';
    }
    return ExitSuccess;
}

} // namespace zmp
