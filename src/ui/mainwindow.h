#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QPointer>

#include "document/configurationdocument.h"
#include "document/documentobserver.h"
#include "files/modelscan.h"
#include "files/radiocomparison.h"
#include "ui/editorstate.h"
#include "ui/filemenuhost.h"
#include "ui/mainwindowservices.h"
#include "ui/pageid.h"
#include "ui/pageswitcher.h"
#include "ui/transfermenuhost.h"
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
class Page;
class TableExchangeUi;
class TransferMenuHandler;
class WindowPlacement;

// frmMain: the tree on the left, one page at a time on the right, menus,
// toolbar and status bar around them.
class MainWindow : public QMainWindow,
                   private DocumentObserver,
                   private FileMenuHost,
                   private TransferMenuHost {
    Q_OBJECT

  public:
    explicit MainWindow(MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Model scan, window settings and the first new image. False when no
    // model is offered: the message has been shown and the window must close.
    bool startUp();

    // Makes a new image; the tree and pages follow the document's reset.
    void rebuild(bool withDestination) override;
    void refreshTree() { switcher_->refreshTree(); }
    void refreshCurrentPage() override { switcher_->refreshCurrentPage(); }
    // Selects the first node with this key and runs the node selection on it.
    void selectNodeByKey(const std::string& key) override { switcher_->selectNodeByKey(key); }
    // Validates the shown page; false keeps the user on it.
    bool leavePageCheck() override { return switcher_->leavePageCheck(); }
    void updateTitle();
    QString captionText() const;

    // Pages register themselves here; a node whose page is not registered
    // shows the grey page.
    void registerPage(PageId id, Page* page) { switcher_->registerPage(id, page); }
    Page* shownPage() const { return switcher_->shownPage(); }
    int currentNodeIndex() const { return switcher_->currentNodeIndex(); }
    NodeTree& tree() const { return *tree_; }
    MainActions& actions() const { return *actions_; }
    FileMenuHandler& fileMenu() const { return *fileMenu_; }
    ConfigurationDocument& document() const override { return *document_; }
    EditorState& state() const override { return services_.state; }
    QString helpFilePath() const;
    // Opens the help window at a context number, or says there is no help
    // (in a box with this caption, the window caption when empty).
    void showHelp(int context, const QString& caption = QString()) override;

    EditHistory& history() const { return *history_; }
    ChecksPanel& checksPanel() const { return *checks_; }
    // Shows the field with this object name on the page of the node.
    void jumpToField(const QString& nodeKey, const QString& field);
    // Opens the Compare with Radio window on a comparison, in place of one
    // that is open; its rows take the user to their fields.
    void showComparison(std::vector<ComparedSetting> settings) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& hostWindow() override { return *this; }
    void showStatus(const std::string& text) override;
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
    void applyModelMenu();
    void applyDestinationMenu();
    void showOutcome(const FileOutcome& outcome);
    void configurationReset(const FileOutcome& outcome) override;
    void configurationLoaded() override;
    void configurationReplaced(const std::string& step) override;
    void fileChanged() override;
    void onToolButton(const QString& key);
    void onModelItem(int item);
    void onDestinationItem(int item);
    void applyLayoutLimits(double dpi);
    QSize startSize(double dpi);
    void showHexView(bool shown);
    void placeHexView();
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
    QLabel* hintPanel_ = nullptr;
    QLabel* statusPanel_ = nullptr;
    QLabel* modelPanel_ = nullptr;
    PageSwitcher* switcher_ = nullptr;
    std::unique_ptr<FileMenuHandler> fileMenu_;
    std::unique_ptr<TransferMenuHandler> transfer_;
    std::unique_ptr<HelpWindows> help_;
    WindowPlacement* placement_ = nullptr;
    HexView* hexView_ = nullptr;
    EditHistory* history_ = nullptr;
    ChecksPanel* checks_ = nullptr;
    QPointer<CompareWindow> comparison_;
    TableExchangeUi* exchange_ = nullptr;
};

} // namespace zmp
