#include "cli/clisession.h"

#include "cli/messageprinter.h"
#include "files/atomicfile.h"
#include "files/configfilereader.h"
#include "files/configfilewriter.h"
#include "files/imagefile.h"
#include "files/modelscan.h"
#include "files/newimagewithdestination.h"
#include "files/textvalue.h"
#include "message/messagetexts.h"
#include "model/models.h"
#include "report/reporttext.h"

namespace zmp {

namespace {

ProcessFlags startFlags(const CliOptions& options)
{
    ProcessFlags flags;
    flags.DebugMode = options.debug;
    flags.SlowLink = options.slow;
    return flags;
}

bool endsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

} // namespace

CliSession::CliSession(const CliOptions& options, CliEnvironment& environment)
    : options_(options), environment_(environment),
      programDir_(options.programDir.value_or(environment.defaultProgramDir)), flags_(startFlags(options)),
      log_(programDir_, options.debug), context_{0, false, flags_, log_},
      destinations_(programDir_, environment.settings, silentImageLoader(records_, image_, context_))
{
}

bool CliSession::selectModel(std::ostream& err)
{
    const std::string globalIni = ModelScan::globalIniPath(programDir_);
    if (options_.model) {
        model_ = *options_.model;
        atis_ = ModelScan::atisFlag(globalIni, model_);
    } else {
        ModelSelection selection;
        const FileOutcome outcome =
            ModelScan::selectAtStartup(globalIni, environment_.settings, "zmp-cli", selection);
        if (!outcome.ok) {
            print(err, outcome);
            return false;
        }
        model_ = selection.model;
        atis_ = selection.atis;
    }
    context_.model = model_;
    context_.hasAtis = atis_;
    return true;
}

std::string CliSession::title() const
{
    return titleText(model_);
}

FileOutcome CliSession::resetImage()
{
    return newImageWithDestination(model_, title(), destinations_, records_, image_, flags_,
                                   options_.destination);
}

FileOutcome CliSession::load(const std::string& path)
{
    if (kindOf(path) == FileKind::Image) return ImageFile::open(path, records_, image_, context_);
    resetOutcome_.reset();
    FileOutcome outcome =
        ConfigFileReader::read(path, records_, context_, [this] { resetOutcome_ = resetImage(); });
    // The reset's own refusal is the message to show.
    if (!outcome.ok && outcome.message.text.empty() && resetOutcome_) return *resetOutcome_;
    return outcome;
}

FileOutcome CliSession::save(const std::string& path, bool rawImage)
{
    switch (kindOf(path)) {
    case FileKind::Configuration:
        return ConfigFileWriter::write(path, records_, context_);
    case FileKind::Image:
        return ImageFile::save(path, records_, image_, context_,
                               options_.raw || rawImage ? ImageSaveMode::Raw : ImageSaveMode::Prepared);
    default:
        return saveReport(path);
    }
}

std::string CliSession::reportText()
{
    return zmp::reportText(ReportInput{records_, image_, model_, atis_});
}

FileOutcome CliSession::saveReport(const std::string& path)
{
    FileError error;
    if (writeFileAtomically(path, reportText() + "\r\n", &error)) return FileOutcome::success();
    flags_.ErrorFlag = true;
    flags_.CancelFlag = true;
    return FileOutcome::failure(msg::FileSaveError, title(), MessageIcon::Warning, error.reasonFor(path));
}

FileKind CliSession::kindOf(const std::string& path)
{
    const std::string name = TextValue::upper(path);
    if (endsWith(name, ".DAT")) return FileKind::Configuration;
    if (endsWith(name, ".HEX") || endsWith(name, ".INI")) return FileKind::Image;
    if (endsWith(name, ".TXT")) return FileKind::Report;
    return FileKind::Unknown;
}

void CliSession::print(std::ostream& err, const FileOutcome& outcome)
{
    MessagePrinter::print(err, outcome.message);
}

} // namespace zmp
