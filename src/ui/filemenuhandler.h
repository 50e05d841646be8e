#pragma once

#include <filesystem>
#include <string>

#include <QTimer>

class QPrinter;

#include "files/recentfiles.h"
#include "ui/dialogservice.h"
#include "ui/messageservice.h"

namespace zmp {

class FileMenuHost;
struct FileOutcome;

// The File menu and its shortcuts: New, Open, Save, Save As, Print, Print
// to File, the image files of the service mode and the exit prompt.
class FileMenuHandler {
  public:
    FileMenuHandler(FileMenuHost& window, MessageService& messages, DialogService& dialogs,
                    SettingsStore& settings);

    void newFile();
    // New without its checks, for a caller that has made them.
    void startNew();
    bool newPending() const { return newTimer_.isActive(); }
    void open();
    // Open without asking: the configuration file named on the command line.
    void openPath(const std::string& path);
    // A file of the recent-files list or dropped on the window: a
    // configuration file after the save question; an image file only in
    // the engineering mode, as Ctrl+F2 opens one.
    void openChosen(const std::string& path);
    // True for a file openChosen takes.
    bool opens(const std::string& path) const;
    RecentFiles& recentFiles() { return recent_; }
    void save();
    void saveAs();
    // Save (true) and Save As (false); the outcome is in CancelFlag and ErrorFlag.
    void saveCommand(bool useCurrentPath);
    void print();
    // The printed report as a PDF file the user names.
    void exportPdf();
    void printToFile();
    void openImageFile();
    void saveImageFile();
    // Opens a backup's image as a new configuration: no file name, and
    // marked changed, since it is saved nowhere the user chose.
    void openBackup(const std::string& imagePath);
    // Asks about unsaved changes; true when the window may close.
    bool exitPrompt();
    // The exit prompt's question before anything discards modified data:
    // true when the data was saved, the user chose not to save or nothing
    // was modified; false when the user cancelled or the save failed.
    bool askToSaveChanges();

  private:
    void runNew();
    void readConfiguration(const std::string& path);
    // Says why printing failed and offers the report as a PDF file.
    void offerPdf(const char* reason);
    void writePdf();
    bool printReport(QPrinter& printer);
    void show(const FileOutcome& outcome);
    std::string dialogFolder() const;

    FileMenuHost& window_;
    MessageService& messages_;
    DialogService& dialogs_;
    QTimer newTimer_;
    RecentFiles recent_;
};

} // namespace zmp
