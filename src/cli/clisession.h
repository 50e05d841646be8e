#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "backup/backupentry.h"
#include "cli/clioptions.h"
#include "document/configurationdocument.h"
#include "files/fileoutcome.h"
#include "files/settingsstore.h"
#include "link/serialport.h"

namespace zmp {

// A serial device as zmp-cli ports lists it: its path and its line of text
// (the path, the adapter's description).
struct ListedPort {
    std::string device;
    std::string label;
};

// What zmp-cli takes from the world it runs in; tests supply their own.
struct CliEnvironment {
    SettingsStore& settings;
    std::string defaultProgramDir;
    // The serial port of the radio commands: the device given with --port,
    // or empty for the remembered port number.
    std::function<std::unique_ptr<SerialPort>(const std::string& device)> makePort = {};
    bool stdinIsTerminal = false;
    bool stderrIsTerminal = false;
    // Set by Ctrl+C while a radio command runs; null where nothing sets it.
    const std::atomic<bool>* interrupted = nullptr;
    // Told when a radio transfer starts (true) and ends (false), so that
    // Ctrl+C outside a transfer can end the program as usual.
    std::function<void(bool)> transferActive = {};
    // The folder of the automatic backups; empty where none are kept.
    std::string backupDir = {};
    // The device a port number of the editor's serial-port menu stands for.
    std::function<std::string(int port)> portDevice = {};
    // The serial devices zmp-cli ports lists and --port auto probes.
    std::function<std::vector<ListedPort>()> portCandidates = {};
    // Why another program holds a device; empty when it is free.
    std::function<std::string(const std::string& device)> portHeldElsewhere = {};
};

// One run of zmp-cli: the model, the program folder, the flags and the
// configuration (records and image) the commands work on, set up as the
// editor's start-up would.
class CliSession {
  public:
    CliSession(const CliOptions& options, CliEnvironment& environment);
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    // Chooses the model (--model, or the start-up's choice). False with the
    // message printed when no model is offered.
    bool selectModel(std::ostream& err);
    // False with the system's message printed when --destination names
    // none of the model's destinations: a usage error, found before any
    // work is done.
    bool knowsDestination(std::ostream& err) const;

    // The new image with the destination loaded.
    FileOutcome resetImage();
    // Opens a configuration or image file into the records and image, as
    // its extension says.
    FileOutcome load(const std::string& path);
    // Writes the records or image as the file's kind says; an image file
    // as the image stands with --raw or rawImage.
    FileOutcome save(const std::string& path, bool rawImage = false);
    std::string reportText() { return document_.reportText(); }
    // The text report and one CR LF, whatever the file's extension.
    FileOutcome saveReport(const std::string& path) { return document_.save(path, FileKind::Report); }

    // "zmp-cli: " + the message, when there is one.
    static void print(std::ostream& err, const FileOutcome& outcome);

    const CliOptions& options() const { return options_; }
    CliEnvironment& environment() { return environment_; }
    const std::string& programDir() const { return programDir_; }
    int model() const { return configuration_.model; }
    bool hasAtis() const { return configuration_.hasAtis; }
    std::string title() const { return configuration_.title(); }
    ProcessFlags& flags() { return configuration_.flags; }
    DocumentState& configuration() { return configuration_; }
    Records& records() { return configuration_.records; }
    MemoryImage& image() { return configuration_.image; }
    ConfigurationDocument& document() { return document_; }
    DestinationController& destinations() { return document_.destinations(); }
    // The backup this run kept last.
    const std::optional<BackupEntry>& lastBackup() const { return lastBackup_; }
    void setLastBackup(const BackupEntry& entry) { lastBackup_ = entry; }

  private:
    CliOptions options_;
    CliEnvironment& environment_;
    std::string programDir_;
    DocumentState configuration_;
    ConfigurationDocument document_;
    std::optional<BackupEntry> lastBackup_;
};

} // namespace zmp
