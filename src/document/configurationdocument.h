#pragma once

#include <functional>
#include <optional>
#include <string>

#include "codec/errorlog.h"
#include "document/documentobserver.h"
#include "document/documentstate.h"
#include "document/filekind.h"
#include "files/destinationcontroller.h"
#include "files/filecontext.h"
#include "files/fileoutcome.h"
#include "files/imagefile.h"
#include "files/settingsstore.h"

namespace zmp {

// The configuration the user works on, and every step that replaces or
// saves it: new, open and save by kind, the destination, a read from the
// radio. The editor and zmp-cli both drive it, so the order of the resets,
// the model check and the flags (error, cancel, filling, modified) is
// written once, here. Outcomes are handed back for the caller to show;
// what changed is told to the observer.
class ConfigurationDocument {
  public:
    // The state and the settings must outlive the document. The state's
    // program folder and debug switch are taken as they stand now, for the
    // error log.
    ConfigurationDocument(DocumentState& state, SettingsStore& settings);
    ConfigurationDocument(const ConfigurationDocument&) = delete;
    ConfigurationDocument& operator=(const ConfigurationDocument&) = delete;

    DocumentState& state() { return state_; }
    const DocumentState& state() const { return state_; }
    DestinationController& destinations() { return destinations_; }
    // What a file operation works with, for the current model.
    FileContext context();

    // Null for none.
    void setObserver(DocumentObserver* observer) { observer_ = observer; }
    // Run during long loops, so that a window stays responsive.
    void setPendingEvents(std::function<void()> pendingEvents) { pendingEvents_ = std::move(pendingEvents); }
    // A destination loaded by name instead of the remembered one.
    void setChosenDestination(std::optional<std::string> name) { chosenDestination_ = std::move(name); }

    // The model's new image, with its destination loaded or without; no
    // file, nothing modified.
    FileOutcome newConfiguration(bool withDestination);
    // The new image without a destination, then menu item k's destination.
    FileOutcome changeDestination(int item);
    // A configuration file (after the reset) or an image file (into the
    // configuration as it stands). A refused file leaves the current file
    // and the modified flag as they were.
    FileOutcome open(const std::string& path, FileKind kind);
    // A backup's image as a configuration saved nowhere the user chose: no
    // file, and modified.
    FileOutcome openBackup(const std::string& imagePath);
    // The configuration file becomes the current file; an image file or a
    // report is a copy and leaves it as it is. Unknown kinds write a report.
    FileOutcome save(const std::string& path, FileKind kind, ImageSaveMode mode = ImageSaveMode::Prepared);
    // A complete read from the radio now stands in the records and image.
    void takeRead();

    // What the last new configuration had to say; empty before the first.
    const std::optional<FileOutcome>& resetOutcome() const { return resetOutcome_; }
    std::string reportText();

  private:
    FileOutcome openConfiguration(const std::string& path);
    FileOutcome openImage(const std::string& path);
    FileOutcome saveReport(const std::string& path);
    void nameFile(const std::string& path, bool isImage);

    DocumentState& state_;
    ErrorLog log_;
    DestinationController destinations_;
    DocumentObserver* observer_ = nullptr;
    std::function<void()> pendingEvents_;
    std::optional<std::string> chosenDestination_;
    std::optional<FileOutcome> resetOutcome_;
};

} // namespace zmp
