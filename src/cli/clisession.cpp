#include "cli/clisession.h"

#include "cli/messageprinter.h"
#include "files/destinationlist.h"
#include "files/modelscan.h"
#include "files/textvalue.h"
#include "message/messagetexts.h"

namespace zmp {

namespace {

DocumentState startConfiguration(const CliOptions& options, const std::string& programDir)
{
    DocumentState configuration;
    configuration.model = 0;
    configuration.programDir = programDir;
    configuration.flags.DebugMode = options.debug;
    configuration.flags.SlowLink = options.slow;
    return configuration;
}

} // namespace

CliSession::CliSession(const CliOptions& options, CliEnvironment& environment)
    : options_(options), environment_(environment),
      programDir_(options.programDir.value_or(environment.defaultProgramDir)),
      configuration_(startConfiguration(options, programDir_)),
      document_(configuration_, environment.settings)
{
    document_.setChosenDestination(options_.destination);
}

bool CliSession::selectModel(std::ostream& err)
{
    const std::string globalIni = ModelScan::globalIniPath(programDir_);
    if (options_.model) {
        configuration_.model = *options_.model;
        configuration_.hasAtis = ModelScan::atisFlag(globalIni, configuration_.model);
        return true;
    }
    ModelSelection selection;
    const FileOutcome outcome =
        ModelScan::selectAtStartup(globalIni, environment_.settings, "zmp-cli", selection);
    if (!outcome.ok) {
        print(err, outcome);
        return false;
    }
    configuration_.model = selection.model;
    configuration_.hasAtis = selection.atis;
    return true;
}

bool CliSession::knowsDestination(std::ostream& err) const
{
    if (!options_.destination) return true;
    const auto names = DestinationList::names(programDir_, configuration_.model);
    std::string list;
    for (const std::string& name : names) {
        if (TextValue::equalsIgnoringCase(name, *options_.destination)) return true;
        list += (list.empty() ? "" : ", ") + name;
    }
    const std::string file = DestinationList::fileNameOf(*options_.destination, configuration_.model);
    MessagePrinter::print(
        err, {title(), msg::IniFileReadError, MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok,
              (std::filesystem::path(programDir_) / file).string() + ": No such destination (" +
                  (list.empty() ? "this model has none" : list) + ")"});
    return false;
}

FileOutcome CliSession::resetImage()
{
    return document_.newConfiguration(true);
}

FileOutcome CliSession::load(const std::string& path)
{
    const FileOutcome outcome = document_.open(path, fileKindOf(path));
    // The reset's own refusal is the message to show.
    const std::optional<FileOutcome>& reset = document_.resetOutcome();
    if (!outcome.ok && outcome.message.text.empty() && reset) return *reset;
    return outcome;
}

FileOutcome CliSession::save(const std::string& path, bool rawImage)
{
    return document_.save(path, fileKindOf(path),
                          options_.raw || rawImage ? ImageSaveMode::Raw : ImageSaveMode::Prepared);
}

void CliSession::print(std::ostream& err, const FileOutcome& outcome)
{
    MessagePrinter::print(err, outcome.message);
}

} // namespace zmp
