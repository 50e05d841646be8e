#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "files/memorysettingsstore.h"
#include "platform/serialdevice.h"
#include "support/filebytes.h"
#include "support/scratchfolder.h"
#include "ui/dialogservice.h"
#include "ui/editorstate.h"
#include "ui/messageservice.h"

namespace zmp {
class MainWindow;
}

namespace zmp::test {

// Answers message boxes from a script (Ok when the script is empty) and
// keeps every request for the test to compare.
class ScriptedMessages : public MessageService {
  public:
    MessageAnswer show(const Message& request) override;
    void answer(MessageAnswer next) { answers_.push_back(next); }
    std::vector<Message> shown;
    // Each message opens a real modal box, closed as soon as it is active,
    // so that the box takes the focus and gives it back as one the user
    // answers does.
    bool modal = false;
    std::string texts() const;

  private:
    std::deque<MessageAnswer> answers_;
};

// Answers file dialogs from a script of paths ("" = cancelled when the
// script is empty) and the printer dialog with a PDF file.
class ScriptedDialogs : public DialogService {
  public:
    std::string openFileName(const std::string& filter, const std::string& folder) override;
    std::string saveFileName(const std::string& filter, const std::string& folder) override;
    bool choosePrinter(QPrinter& printer) override;
    bool printerAvailable() override { return printerInstalled; }
    std::string askText(const std::string& title, const std::string& label, const std::string& text) override;
    int chooseItem(const std::string& title, const std::string& label,
                   const std::vector<std::string>& items) override;

    std::deque<std::string> paths;
    std::vector<std::string> filtersAsked;
    std::string pdfPath; // empty: the print dialog is cancelled
    bool printerInstalled = true;
    std::deque<std::string> texts;         // askText's answers ("" = cancelled when none is left)
    std::deque<int> choices;               // chooseItem's answers (-1 = cancelled when none is left)
    std::vector<std::string> itemsOffered; // what chooseItem offered last

  private:
    std::string next(const std::string& filter);
};

// A destination file: the new image of the model, written raw.
void writeDestination(const std::filesystem::path& folder, const std::string& fileName, int model);

// A program folder with global.ini, the editor's state, services and main window.
struct EditorFixture {
    explicit EditorFixture(const std::string& name,
                           const std::string& globalIni = "[model1]\r\nuse=1\r\natis=True\r\n",
                           bool debug = false);
    ~EditorFixture();

    std::filesystem::path folder;
    EditorState state;
    MemorySettingsStore settings;
    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
    // The serial devices the system lists; the real ones when not set.
    std::function<std::vector<SerialDevice>()> devices;

    // Makes the window and runs its start-up.
    bool start();
};

} // namespace zmp::test
