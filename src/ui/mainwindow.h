#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QPointer>

#include "document/configurationdocument.h"
#include "document/documentobserver.h"
#include "files/modelscan.h"
#include "files/radiocomparison.h"
#include "files/settingsstore.h"
#include "fleetlink/radiofinder.h"
#include "link/operationtype.h"
#include "link/serialport.h"
#include "ui/dialogservice.h"
#include "ui/editorstate.h"
#include "ui/filemenuhost.h"
#include "ui/messageservice.h"
#include "ui/pageid.h"
#include "ui/windowlayout.h"

class QLabel;
class QSplitter;
class QStackedWidget;
class QTimer;

namespace zmp {

class ChecksPanel;
class CompareWindow;
class EditHistory;
class FileMenuHandler;
class HexView;
class HelpWindows;
class MainActions;
class NodeTree;
class PortMenu;
struct TransferDevice;
class Page;
class TableExchangeUi;
class Transfer;
class WindowPlacement;

// A serial device the serial-port menu offers besides the port numbers.
struct PortMenuDevice {
    std::string device;     // "/dev/ttyUSB0"
    std::string label;      // the menu text: the device and the adapter's description
    std::string stableName; // the name that survives re-plugging; empty where there is none
};

// What the main window works with; the program entry and the tests make them.
struct MainWindowServices {
    EditorState& state;
    SettingsStore& settings;
    MessageService& messages;
    DialogService& dialogs;
    // A new serial port for each transfer dialog.
    std::function<std::unique_ptr<SerialPort>()> makePort;
    // The device a serial-port menu item stands for; empty when none.
    std::function<std::string(int port)> portDevice;
    // The folder of the automatic backups; empty where none are kept.
    std::string backupDir = {};
    // The menu text of a serial-port item after its caption (the device
    // and its description), and what choosing it stores so that the item
    // keeps meaning that device.
    std::function<std::string(int port)> portLabel = {};
    std::function<std::string(int port)> portIdentity = {};
    // The serial devices of the menu; choosing one stores it and returns
    // its port number; Find Radio probes devices.
    std::function<std::vector<PortMenuDevice>()> portDevices = {};
    std::function<int(const std::string& device)> choosePort = {};
    std::function<std::vector<ProbeResult>(const std::vector<std::string>& devices)> findRadios = {};
    // A new serial port on the given device, for each port of a fleet.
    std::function<std::unique_ptr<SerialPort>(const std::string& device)> makeDevicePort = {};
};

// frmMain: the tree on the left, one page at a time on the right, menus,
// toolbar and status bar around them.
class MainWindow : public QMainWindow, private DocumentObserver, private FileMenuHost {
    Q_OBJECT

  public:
    explicit MainWindow(MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Model scan, window settings and the first new image. False when no
    // model is offered: the message has been shown and the window must close.
    bool startUp();

    // Makes a new image; the tree and pages follow the document's reset.
    void rebuild(bool withDestination) override;
    void refreshTree();
    void refreshCurrentPage();
    // Selects the first node with this key and runs the node selection on it.
    void selectNodeByKey(const std::string& key) override;
    // Validates the shown page; false keeps the user on it.
    bool leavePageCheck() override;
    void updateTitle();
    QString captionText() const;
    // Shows the wait cursor and disables the window, or undoes both.

    // Pages register themselves here; a node whose page is not registered
    // shows the grey page.
    void registerPage(PageId id, Page* page);
    Page* shownPage() const;
    int currentNodeIndex() const { return currentNodeIndex_; }
    NodeTree& tree() const { return *tree_; }
    MainActions& actions() const { return *actions_; }
    FileMenuHandler& fileMenu() const { return *fileMenu_; }
    ConfigurationDocument& document() const override { return *document_; }
    EditorState& state() const override { return services_.state; }
    QString helpFilePath() const;
    // Opens the help window at a context number, or says there is no help
    // (in a box with this caption, the window caption when empty).
    void showHelp(int context, const QString& caption = QString());

    EditHistory& history() const { return *history_; }
    ChecksPanel& checksPanel() const { return *checks_; }
    // Shows the field with this object name on the page of the node.
    void jumpToField(const QString& nodeKey, const QString& field);
    // Opens the Compare with Radio window on a comparison, in place of one
    // that is open; its rows take the user to their fields.
    void showComparison(std::vector<ComparedSetting> settings);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& hostWindow() override { return *this; }
    void showStatus(const std::string& text) override;
    void createPages();
    void createStatusBar();
    void createEditTools();
    void afterRecordsChanged();
    void showRestoredRecords(const std::string& place);
    // Asks once before programming when the checks warn; true to go on.
    bool programDespiteWarnings();
    // A command from the menus, the toolbar or assistive technology does
    // nothing while a modal dialog is open, as a click on the window does.
    bool blockedByModal() const;
    template <class Command>
    auto whenFree(Command command)
    {
        return [this, command] {
            if (!blockedByModal()) command();
        };
    }
    void connectActions();
    void connectTree();
    void applyModelMenu();
    void applyDestinationMenu();
    void applyPortMenu();
    void showOutcome(const FileOutcome& outcome);
    void configurationReset(const FileOutcome& outcome) override;
    void configurationLoaded() override;
    void configurationReplaced(const std::string& step) override;
    void fileChanged() override;
    void onNodeSelected(int index);
    void onNodeClicked(int index);
    void restoreRefusedNode();
    void showNodePage(int index);
    void onToolButton(const QString& key);
    void onModelItem(int item);
    void onDestinationItem(int item);
    void onPortItem(int port);
    // True when the operation ended with "Complete!!".
    bool runTransfer(int operation);
    // The transfer dialog on state, the backup its transfer calls for, and a
    // completed read taken into document (none: a copy is read). True when it completed.
    bool execTransferDialog(OperationType type, EditorState& state, ConfigurationDocument* document);
    // The device the next transfer will use, as its dialog names it.
    TransferDevice transferDevice() const;
    void showBackups();
    void programFleet();
    // Reads the radio into a copy of the editor's state and shows what differs.
    void compareWithRadio();
    void runClear(int operation);
    void refreshGroupTexts();
    void applyLayoutLimits(double dpi);
    QSize startSize(double dpi);
    void showHexView(bool shown);
    void placeHexView();
    void refreshDirectoryTexts();
    void showAbout();
    std::string globalIniPath() const;

    MainWindowServices services_;
    ModelSelection models_;
    std::unique_ptr<ConfigurationDocument> document_;
    MainActions* actions_ = nullptr;
    PortMenu* portMenu_ = nullptr;
    NodeTree* tree_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    Page* greyPage_ = nullptr;
    std::map<PageId, Page*> pages_;
    QLabel* hintPanel_ = nullptr;
    QLabel* statusPanel_ = nullptr;
    QLabel* modelPanel_ = nullptr;
    std::unique_ptr<FileMenuHandler> fileMenu_;
    std::unique_ptr<HelpWindows> help_;
    WindowPlacement* placement_ = nullptr;
    HexView* hexView_ = nullptr;
    EditHistory* history_ = nullptr;
    ChecksPanel* checks_ = nullptr;
    QPointer<CompareWindow> comparison_;
    TableExchangeUi* exchange_ = nullptr;
    int currentNodeIndex_ = -1;
    bool restorePending_ = false;
};

} // namespace zmp
