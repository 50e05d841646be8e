#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include <QDialog>
#include <QElapsedTimer>

#include "files/settingsstore.h"
#include "link/linkhost.h"
#include "link/operationtype.h"
#include "link/serialport.h"
#include "transfer/transfer.h"
#include "ui/editorstate.h"
#include "ui/messageservice.h"

class QCheckBox;
class QProgressBar;
class QLabel;
class QPushButton;

namespace zmp {

// The serial device a transfer uses: its path, and the text the dialog
// names it by (the port menu's: the port number, the device, the adapter).
struct TransferDevice {
    std::string path;
    std::string text;
};

// frmRadio: the modal dialog of every exchange with the radio. It tells the
// user how to connect the radio, runs the operation on OK and serves the
// link as its host: messages, status line, progress and the event pumping
// that keeps Cancel alive while the link waits.
class TransferDialog : public QDialog, public LinkHost {
    Q_OBJECT

  public:
    TransferDialog(OperationType type, EditorState& state, SettingsStore& settings, MessageService& messages,
                   SerialPort& port, QWidget* parent = nullptr, const TransferDevice& device = {});
    ~TransferDialog() override;

    MessageAnswer showMessage(const Message& message) override;
    void showStatus(const std::string& text) override;
    void showProgress(int percent) override;
    void showPhase(const TransferPhase& phase) override;
    void setBusy(bool busy) override;
    void processEvents() override;
    void sleep(int ms) override;
    std::int64_t nowMs() override;

    int progress() const { return progress_; }
    // What the dialog ran and how it ended.
    const Transfer& transfer() const { return *transfer_; }
    // Where the transfer keeps its backups; the store must outlive the dialog.
    void keepBackupsIn(BackupStore& store, BackupPlace place)
    {
        transfer_->keepBackupsIn(store, std::move(place));
    }

  signals:
    void helpRequested(int context, const QString& caption);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void createControls(const TransferDevice& device);
    void createVerifyBox(SettingsStore& settings, bool checked);
    void createCopyBox(SettingsStore& settings, bool checked);
    void createButtons();
    void placeControls();
    void layOutRows(double dpi, int top);
    void onOk();
    void onCancel();
    void endCancelled();

    OperationType type_;
    EditorState& state_;
    MessageService& messages_;
    std::unique_ptr<Transfer> transfer_;
    QElapsedTimer clock_;
    QLabel* message_ = nullptr;
    QLabel* monitor_ = nullptr;
    QLabel* phase_ = nullptr;
    QString deviceLine_;
    QLabel* pictA_ = nullptr;
    QLabel* pictB_ = nullptr;
    QLabel* pictAF_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* help_ = nullptr;
    QCheckBox* verify_ = nullptr;
    QCheckBox* copy_ = nullptr;
    int progress_ = 0;
    bool started_ = false;
};

} // namespace zmp
