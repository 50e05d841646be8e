#include "ui/transfermenuhandler.h"

#include <memory>

#include <QObject>

#include "backup/backupstore.h"
#include "files/appsettings.h"
#include "message/messagetexts.h"
#include "transfer/transfer.h"
#include "ui/backupsdialog.h"
#include "ui/edithistory.h"
#include "ui/filemenuhandler.h"
#include "ui/fleetdialog.h"
#include "ui/mainwindowservices.h"
#include "ui/transferdialog.h"
#include "ui/transfermenuhost.h"

namespace zmp {

TransferMenuHandler::TransferMenuHandler(TransferMenuHost& window, MainWindowServices& services,
                                         FileMenuHandler& fileMenu, EditHistory& history)
    : window_(window), services_(services), fileMenu_(fileMenu), history_(history)
{
}

void TransferMenuHandler::read()
{
    if (window_.leavePageCheck() && fileMenu_.askToSaveChanges()) run(0);
}

bool TransferMenuHandler::run(int operation)
{
    if (!window_.leavePageCheck()) return false;
    const bool completed =
        execDialog(static_cast<OperationType>(operation), services_.state, &window_.document());
    history_.look();
    return completed;
}

// A failed or cancelled operation leaves the editor as it was; a completed
// read replaces the document's configuration when there is one to replace.
bool TransferMenuHandler::execDialog(OperationType type, EditorState& state, ConfigurationDocument* document)
{
    const std::unique_ptr<SerialPort> port = services_.makePort();
    TransferDialog dialog(type, state, services_.settings, services_.messages, *port, &window_.hostWindow(),
                          device());
    QObject::connect(&dialog, &TransferDialog::helpRequested, &dialog,
                     [this](int context, const QString& caption) { window_.showHelp(context, caption); });
    BackupStore store(services_.backupDir);
    if (!services_.backupDir.empty()) {
        const AppSettings settings(services_.settings);
        dialog.keepBackupsIn(store, {settings.rememberedDestination(state.model), portDevice()});
    }
    dialog.exec();
    const Transfer& transfer = dialog.transfer();
    if (!transfer.backupProblem().empty())
        services_.messages.show({state.title(), msg::NoBackupKept, MessageIcon::Warning, MessageButtons::Ok,
                                 MessageAnswer::Ok, transfer.backupProblem()});
    if (document) transfer.takeRead(*document);
    return transfer.completed();
}

std::string TransferMenuHandler::portDevice() const
{
    const int number = AppSettings(services_.settings).comNum();
    return services_.portDevice ? services_.portDevice(number) : std::string();
}

TransferDevice TransferMenuHandler::device() const
{
    const int number = AppSettings(services_.settings).comNum();
    const std::string path = portDevice();
    // The label starts with where the device is now; a stable name is too long to show.
    const std::string label = services_.portLabel ? services_.portLabel(number) : path;
    const std::string where = label.substr(0, label.find("  "));
    return {path, msg::TransferPort + std::to_string(number) + (where.empty() ? "" : "  " + where)};
}

void TransferMenuHandler::runClear(int operation)
{
    if (!run(operation)) return;
    window_.refreshCurrentPage();
    services_.state.markEdited();
}

void TransferMenuHandler::showBackups()
{
    if (!window_.leavePageCheck()) return;
    const BackupStore store(services_.backupDir);
    BackupsDialog dialog(services_.backupDir.empty() ? std::vector<BackupEntry>() : store.entries(),
                         &window_.hostWindow());
    if (dialog.exec() != QDialog::Accepted || !dialog.chosen()) return;
    if (!fileMenu_.askToSaveChanges()) return;
    fileMenu_.openBackup(store.imagePath(*dialog.chosen()).string());
}

// The editor's configuration is the fleet's base; the editor itself is not changed.
void TransferMenuHandler::programFleet()
{
    if (!window_.leavePageCheck()) return;
    const EditorState& state = services_.state;
    const AppSettings settings(services_.settings);
    FleetDialog dialog(
        {state.records, state.image, state.model, state.hasAtis, portDevice(), services_.makeDevicePort,
         [this] { return services_.dialogs.openFileName("CSV files(*.csv)|*.csv|All files(*.*)|*.*", {}); },
         state.programDir.string(), services_.backupDir, settings.rememberedDestination(state.model),
         state.flags, settings.verifyAfterProgram()},
        &window_.hostWindow());
    dialog.exec();
}

void TransferMenuHandler::compareWithRadio()
{
    if (!window_.leavePageCheck()) return;
    // The read lands in a copy, exactly as Read from Radio would leave the
    // editor, so that the comparison is with what a read would bring in.
    EditorState radio = services_.state;
    if (!execDialog(OperationType::Read, radio, nullptr)) return;
    const EditorState& editor = services_.state;
    window_.showComparison(zmp::compareWithRadio({radio.records, radio.model, radio.hasAtis},
                                                 {editor.records, editor.model, editor.hasAtis}));
}

} // namespace zmp
