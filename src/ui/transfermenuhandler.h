#pragma once

#include "link/operationtype.h"
#include "ui/editorstate.h"

namespace zmp {

class ConfigurationDocument;
class EditHistory;
class FileMenuHandler;
class TransferMenuHost;
struct MainWindowServices;
struct TransferDevice;

// The transfers with the radio: Read from Radio, Program, the clears a
// page asks for, the automatic backups, programming a fleet and the
// comparison with what the radio holds.
class TransferMenuHandler {
  public:
    TransferMenuHandler(TransferMenuHost& window, MainWindowServices& services, FileMenuHandler& fileMenu,
                        EditHistory& history);

    // A read replaces the configuration: unsaved edits are offered a save first.
    void read();
    // True when the operation ended with "Complete!!".
    bool run(int operation);
    // A clear operation; on success the shown page is filled again.
    void runClear(int operation);
    void showBackups();
    void programFleet();
    // Reads the radio into a copy of the editor's state and shows what differs.
    void compareWithRadio();

  private:
    // The transfer dialog on state, the backup its transfer calls for, and a
    // completed read taken into document (none: a copy is read). True when it completed.
    bool execDialog(OperationType type, EditorState& state, ConfigurationDocument* document);
    // The device the next transfer will use, as its dialog names it.
    // The device of the remembered port number; empty when none is known.
    std::string portDevice() const;
    TransferDevice device() const;

    TransferMenuHost& window_;
    MainWindowServices& services_;
    FileMenuHandler& fileMenu_;
    EditHistory& history_;
};

} // namespace zmp
