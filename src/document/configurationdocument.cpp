#include "document/configurationdocument.h"

#include "files/atomicfile.h"
#include "files/configfilereader.h"
#include "files/configfilewriter.h"
#include "files/newimagewithdestination.h"
#include "image/newimage.h"
#include "message/messagetexts.h"
#include "model/fillingscope.h"
#include "report/reporttext.h"

namespace zmp {

ConfigurationDocument::ConfigurationDocument(DocumentState& state, SettingsStore& settings)
    : state_(state), log_(state.programDir.string(), state.flags.DebugMode),
      destinations_(state.programDir, settings, [this](const std::filesystem::path& file) {
          return ImageFile::loadSilently(file.string(), state_.records, state_.image, context());
      })
{
}

FileContext ConfigurationDocument::context()
{
    return FileContext{state_.model, state_.hasAtis, state_.flags, log_, pendingEvents_};
}

FileOutcome ConfigurationDocument::newConfiguration(bool withDestination)
{
    DocumentState& c = state_;
    const FillingScope filling(c.flags);
    FileOutcome outcome = FileOutcome::success();
    if (withDestination)
        outcome = newImageWithDestination(c.model, c.title(), destinations_, c.records, c.image, c.flags,
                                          chosenDestination_);
    else
        makeNewImage(c.model, c.records, c.image);
    c.currentFilePath.clear();
    c.currentFileIsImage = false;
    c.flags.modified = false;
    resetOutcome_ = outcome;
    // The observer shows the new records while the filling flag still
    // keeps its controls from taking the fill for edits.
    if (observer_) observer_->configurationReset(outcome);
    return outcome;
}

FileOutcome ConfigurationDocument::changeDestination(int item)
{
    newConfiguration(false);
    DocumentState& c = state_;
    const FileOutcome outcome = destinations_.select(item, c.model, c.title());
    c.flags.modified = false;
    if (observer_) observer_->configurationLoaded();
    return outcome;
}

FileOutcome ConfigurationDocument::open(const std::string& path, FileKind kind)
{
    ProcessFlags& flags = state_.flags;
    flags.ErrorFlag = false;
    flags.CancelFlag = true;
    return kind == FileKind::Image ? openImage(path) : openConfiguration(path);
}

FileOutcome ConfigurationDocument::openConfiguration(const std::string& path)
{
    ProcessFlags& flags = state_.flags;
    resetOutcome_.reset();
    const FileOutcome outcome =
        ConfigFileReader::read(path, state_.records, context(), [this] { newConfiguration(true); });
    if (outcome.ok) {
        nameFile(path, false);
        flags.CancelFlag = false;
    }
    if (pendingEvents_) pendingEvents_();
    if (!flags.CancelFlag && observer_) observer_->configurationLoaded();
    return outcome;
}

FileOutcome ConfigurationDocument::openImage(const std::string& path)
{
    DocumentState& c = state_;
    FileOutcome outcome;
    {
        const FillingScope filling(c.flags);
        outcome = ImageFile::open(path, c.records, c.image, context());
    }
    if (!outcome.ok) return outcome;
    nameFile(path, true);
    c.flags.modified = false;
    c.flags.CancelFlag = false;
    if (observer_) observer_->configurationLoaded();
    return outcome;
}

FileOutcome ConfigurationDocument::openBackup(const std::string& imagePath)
{
    DocumentState& c = state_;
    c.flags.ErrorFlag = false;
    FileOutcome outcome;
    {
        const FillingScope filling(c.flags);
        outcome = ImageFile::open(imagePath, c.records, c.image, context());
    }
    if (!outcome.ok) return outcome;
    nameFile(std::string(), false);
    c.flags.modified = true;
    if (observer_) observer_->configurationReplaced("Open Backup");
    return outcome;
}

FileOutcome ConfigurationDocument::save(const std::string& path, FileKind kind, ImageSaveMode mode)
{
    DocumentState& c = state_;
    c.flags.ErrorFlag = false;
    switch (kind) {
    case FileKind::Configuration: {
        const FileOutcome outcome = ConfigFileWriter::write(path, c.records, context());
        if (!outcome.ok) return outcome;
        nameFile(path, false);
        c.flags.CancelFlag = false;
        c.flags.modified = false;
        return outcome;
    }
    case FileKind::Image:
        return ImageFile::save(path, c.records, c.image, context(), mode);
    default:
        return saveReport(path);
    }
}

FileOutcome ConfigurationDocument::saveReport(const std::string& path)
{
    FileError error;
    if (writeFileAtomically(path, reportText() + "\r\n", &error)) return FileOutcome::success();
    state_.flags.ErrorFlag = true;
    state_.flags.CancelFlag = true;
    return FileOutcome::failure(msg::FileSaveError, state_.title(), MessageIcon::Warning,
                                error.reasonFor(path));
}

void ConfigurationDocument::takeRead()
{
    nameFile(std::string(), false);
    state_.flags.modified = false;
    if (observer_) observer_->configurationReplaced("Read from Radio");
}

std::string ConfigurationDocument::reportText()
{
    DocumentState& c = state_;
    return zmp::reportText(ReportInput{c.records, c.image, c.model, c.hasAtis});
}

void ConfigurationDocument::nameFile(const std::string& path, bool isImage)
{
    state_.currentFilePath = path;
    state_.currentFileIsImage = isImage;
    if (observer_) observer_->fileChanged();
}

} // namespace zmp
