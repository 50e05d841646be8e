#include "ui/mainwindow.h"

#include <filesystem>
#include <optional>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>

#include "files/appsettings.h"
#include "message/messagetexts.h"
#include "ui/aboutbox.h"
#include "ui/accesskeys.h"
#include "ui/busywindow.h"
#include "ui/comparewindow.h"
#include "ui/edithistory.h"
#include "ui/filedrops.h"
#include "ui/filemenuhandler.h"
#include "ui/focushints.h"
#include "ui/gridwheel.h"
#include "ui/helpwindows.h"
#include "ui/hexview.h"
#include "ui/mainactions.h"
#include "ui/nodetree.h"
#include "ui/pause.h"
#include "ui/portmenu.h"
#include "ui/recentfilesmenu.h"
#include "ui/transfermenuhandler.h"
#include "ui/twips.h"
#include "ui/windowlayout.h"
#include "ui/windowplacement.h"

namespace zmp {

namespace {

constexpr int SplitterTwips = 2500;
constexpr int StartWidthPixels = 607;
constexpr int StartHeightPixels = 444;
constexpr int MainHelpContext = 1001;
constexpr int DestinationChangePauseMs = 500;

} // namespace

MainWindow::MainWindow(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent), services_(services)
{
    setObjectName(QStringLiteral("frmMain"));
    actions_ = new MainActions(*this);
    portMenu_ = new PortMenu(*this, *actions_, services_);
    document_ = std::make_unique<ConfigurationDocument>(services_.state, services_.settings);
    document_->setObserver(this);
    document_->setPendingEvents([] { QApplication::processEvents(); });
    help_ = std::make_unique<HelpWindows>(*this, services_.state, services_.messages,
                                          [this] { return captionText(); });
    placement_ = new WindowPlacement(*this, services_.settings);
    fileMenu_ = std::make_unique<FileMenuHandler>(static_cast<FileMenuHost&>(*this), services_.messages,
                                                  services_.dialogs, services_.settings);
    new RecentFilesMenu(*actions_->fileRecent, *fileMenu_);
    new FileDrops(*this, *fileMenu_);
    switcher_ = new PageSwitcher(*this, {services_.state, services_.messages}, [this] { history_->look(); });
    splitter_ = &switcher_->splitter();
    tree_ = &switcher_->tree();
    stack_ = &switcher_->stack();
    setCentralWidget(splitter_);
    createStatusBar();
    connectActions();
    createEditTools();
    transfer_ = std::make_unique<TransferMenuHandler>(static_cast<TransferMenuHost&>(*this), services_,
                                                      *fileMenu_, *history_);
    connect(switcher_, &PageSwitcher::clearRequested, this,
            [this](int operation) { transfer_->runClear(operation); });
    new GridWheel(this);
    hexView_ = new HexView(this);
    hexView_->hide();
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

void MainWindow::createStatusBar()
{
    statusBar()->setObjectName(QStringLiteral("sbStatusBar"));
    hintPanel_ = new QLabel(this);
    hintPanel_->setObjectName(QStringLiteral("sbHint"));
    statusPanel_ = new QLabel(this);
    statusPanel_->setObjectName(QStringLiteral("sbStatus"));
    modelPanel_ = new QLabel(this);
    modelPanel_->setObjectName(QStringLiteral("sbModel"));
    statusBar()->addWidget(hintPanel_, 1);
    statusBar()->addWidget(statusPanel_);
    statusBar()->addPermanentWidget(modelPanel_);
    auto* hints = new FocusHints(this);
    hints->add(tree_, msg::SelectionHint);
    connect(hints, &FocusHints::hintShown, hintPanel_, &QLabel::setText);
    connect(switcher_, &PageSwitcher::hintChanged, hintPanel_, &QLabel::setText);
}

void MainWindow::showStatus(const std::string& text)
{
    statusPanel_->setText(QString::fromStdString(text));
}

bool MainWindow::blockedByModal() const
{
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != this;
}

void MainWindow::connectActions()
{
    MainActions& a = *actions_;
    connect(a.fileNew, &QAction::triggered, this, whenFree([this] { fileMenu_->newFile(); }));
    connect(a.fileOpen, &QAction::triggered, this, whenFree([this] { fileMenu_->open(); }));
    connect(a.fileSave, &QAction::triggered, this, whenFree([this] { fileMenu_->save(); }));
    connect(a.fileSaveAs, &QAction::triggered, this, whenFree([this] { fileMenu_->saveAs(); }));
    connect(a.filePrint, &QAction::triggered, this, whenFree([this] { fileMenu_->print(); }));
    connect(a.fileExportPdf, &QAction::triggered, this, whenFree([this] { fileMenu_->exportPdf(); }));
    connect(a.filePrintToFile, &QAction::triggered, this, whenFree([this] { fileMenu_->printToFile(); }));
    connect(a.fileExit, &QAction::triggered, this, whenFree([this] { close(); }));
    connect(a.transferProgram, &QAction::triggered, this, whenFree([this] {
                if (programDespiteWarnings()) transfer_->run(1);
            }));
    connect(a.transferRead, &QAction::triggered, this, whenFree([this] { transfer_->read(); }));
    connect(a.transferCompare, &QAction::triggered, this,
            whenFree([this] { transfer_->compareWithRadio(); }));
    connect(a.fileBackups, &QAction::triggered, this, whenFree([this] { transfer_->showBackups(); }));
    connect(a.fileProgramFleet, &QAction::triggered, this, whenFree([this] { transfer_->programFleet(); }));
    connect(a.helpContents, &QAction::triggered, this, whenFree([this] { showHelp(MainHelpContext); }));
    connect(a.helpAbout, &QAction::triggered, this, whenFree([this] { showAbout(); }));
    connect(a.optionsHexdump, &QAction::triggered, this, &MainWindow::showHexView);
    connect(&a, &MainActions::toolButtonPressed, this, &MainWindow::onToolButton);
    for (int k = 0; k < ModelItemCount; ++k)
        connect(a.modelItems[static_cast<std::size_t>(k)], &QAction::triggered, this,
                whenFree([this, k] { onModelItem(k); }));
    for (int k = 0; k < DestinationItemCount; ++k)
        connect(a.destinationItems[static_cast<std::size_t>(k)], &QAction::triggered, this,
                whenFree([this, k] { onDestinationItem(k); }));
    for (int port = 1; port <= SerialPortItemCount; ++port)
        connect(a.portItems[static_cast<std::size_t>(port - 1)], &QAction::triggered, this,
                whenFree([this, port] { portMenu_->choosePort(port); }));
    // Devices come and go: the menu lists them afresh each time it opens.
    connect(a.serialPortMenu, &QMenu::aboutToShow, portMenu_, &PortMenu::apply);
    connect(a.portOther, &QAction::triggered, this, whenFree([this] { portMenu_->askOtherDevice(); }));
    connect(a.findRadio, &QAction::triggered, this, whenFree([this] { portMenu_->findRadio(); }));
    auto* openImage = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F2), this);
    connect(openImage, &QShortcut::activated, this, [this] { fileMenu_->openImageFile(); });
    auto* saveImage = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F3), this);
    connect(saveImage, &QShortcut::activated, this, [this] { fileMenu_->saveImageFile(); });
}

bool MainWindow::startUp()
{
    std::optional<BusyWindow> busy(std::in_place, *this);
    actions_->editModel->menuAction()->setVisible(false);
    const FileOutcome scan =
        ModelScan::selectAtStartup(globalIniPath(), services_.settings, msg::ApplicationTitle, models_);
    if (!scan.ok) {
        busy.reset();
        showOutcome(scan);
        return false;
    }
    // The Edit menu carries Undo and Redo whatever the models; only its
    // model list depends on them.
    actions_->editModel->menuAction()->setVisible(models_.editMenuVisible);
    services_.state.model = models_.model;
    services_.state.hasAtis = models_.atis;
    applyModelMenu();
    const AppSettings settings(services_.settings);
    actions_->optionsHexdump->setChecked(settings.hexVisible());
    actions_->optionsHexdump->setVisible(services_.state.flags.DebugMode);
    portMenu_->apply();
    const double dpi = screenDpi(*this);
    applyLayoutLimits(dpi);
    placement_->placeAtStartUp(startSize(dpi), dpi);
    const int treeWidth = twipsToPixels(SplitterTwips, dpi);
    splitter_->setSizes({treeWidth, width() - treeWidth});
    rebuild(true);
    showHexView(actions_->optionsHexdump->isChecked());
    // The history starts from the configuration the editor opens with.
    history_->look();
    return true;
}

void MainWindow::applyModelMenu()
{
    for (int k = 0; k < ModelItemCount; ++k) {
        const ModelMenuItem& item = models_.items[static_cast<std::size_t>(k)];
        QAction* action = actions_->modelItems[static_cast<std::size_t>(k)];
        action->setText(QString::fromStdString(item.caption));
        action->setEnabled(item.offered);
        // Items that are not offered are hidden, as the menu's repaint does.
        action->setVisible(item.offered);
        action->setChecked(item.checked);
    }
    modelPanel_->setText(QString::fromStdString(modelName(services_.state.model)));
    actions_->helpContents->setEnabled(help_->available());
}

void MainWindow::applyDestinationMenu()
{
    const DestinationMenu& menu = document_->destinations().menu();
    actions_->destinationMenu->setEnabled(menu.enabled);
    actions_->destinationMenu->menuAction()->setEnabled(menu.enabled);
    QStringList captions;
    for (const DestinationMenuItem& item : menu.items)
        captions << QString::fromStdString(item.caption);
    captions = withAccessKeys(captions);
    for (int k = 0; k < DestinationItemCount; ++k) {
        const DestinationMenuItem& item = menu.items[static_cast<std::size_t>(k)];
        QAction* action = actions_->destinationItems[static_cast<std::size_t>(k)];
        action->setText(captions[k]);
        action->setVisible(item.visible);
        action->setChecked(item.checked);
    }
}

void MainWindow::showOutcome(const FileOutcome& outcome)
{
    services_.messages.tell(outcome.message);
}

std::string MainWindow::globalIniPath() const
{
    return ModelScan::globalIniPath(services_.state.programDir.string());
}

void MainWindow::rebuild(bool withDestination)
{
    document_->newConfiguration(withDestination);
}

void MainWindow::configurationReset(const FileOutcome& outcome)
{
    showOutcome(outcome);
    applyDestinationMenu();
    switcher_->resetTree();
    statusPanel_->clear();
    updateTitle();
    switcher_->fillUsablePage();
}

void MainWindow::configurationLoaded()
{
    refreshTree();
    refreshCurrentPage();
}

void MainWindow::configurationReplaced(const std::string& step)
{
    // The step is taken before the page changes: leaving a page looks for
    // edits, and would take the new configuration for a fresh one.
    history_->replaceStep(step);
    selectNodeByKey("General");
    configurationLoaded();
}

void MainWindow::fileChanged()
{
    updateTitle();
}

QString MainWindow::captionText() const
{
    const EditorState& state = services_.state;
    QString caption =
        QStringLiteral("%1  %2").arg(msg::ApplicationTitle, QString::fromStdString(state.title()));
    if (!state.currentFilePath.empty()) {
        const QString path = QString::fromStdString(state.currentFilePath);
        const qsizetype slash = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
        caption += QStringLiteral(" - ") + path.mid(slash + 1).toLower();
    }
    return caption;
}

void MainWindow::updateTitle()
{
    setWindowTitle(captionText());
}

void MainWindow::onToolButton(const QString& key)
{
    const MainActions& a = *actions_;
    QAction* item = nullptr;
    if (key == QLatin1String("New"))
        item = a.fileNew;
    else if (key == QLatin1String("Open"))
        item = a.fileOpen;
    else if (key == QLatin1String("Save"))
        item = a.fileSave;
    else if (key == QLatin1String("Print"))
        item = a.filePrint;
    else if (key.startsWith(QLatin1String("Program")))
        item = a.transferProgram;
    else if (key.startsWith(QLatin1String("Read")))
        item = a.transferRead;
    if (item && item->isEnabled()) item->trigger();
}

void MainWindow::onModelItem(int item)
{
    QAction* action = actions_->modelItems[static_cast<std::size_t>(item)];
    if (item + 1 == services_.state.model) {
        action->setChecked(true);
        return;
    }
    const Message question{services_.state.title(), msg::programSeriesQuestion(modelName(item + 1)),
                           MessageIcon::Warning, MessageButtons::OkCancel, MessageAnswer::Ok};
    if (services_.messages.show(question) != MessageAnswer::Ok || !leavePageCheck() ||
        !fileMenu_->askToSaveChanges()) {
        action->setChecked(false);
        return;
    }
    ModelScan::switchTo(item, globalIniPath(), services_.settings, models_);
    services_.state.model = models_.model;
    services_.state.hasAtis = models_.atis;
    applyModelMenu();
    updateTitle();
    fileMenu_->startNew();
    update();
}

void MainWindow::onDestinationItem(int item)
{
    QAction* action = actions_->destinationItems[static_cast<std::size_t>(item)];
    const DestinationMenuItem& entry = document_->destinations().menu().items[static_cast<std::size_t>(item)];
    if (!entry.checked) {
        const Message question{services_.state.title(), msg::changeDestinationQuestion(entry.caption),
                               MessageIcon::Warning, MessageButtons::OkCancel, MessageAnswer::Ok};
        if (services_.messages.show(question) != MessageAnswer::Ok) {
            action->setChecked(false);
            return;
        }
    }
    if (!fileMenu_->askToSaveChanges()) {
        applyDestinationMenu();
        return;
    }
    const BusyWindow busy(*this);
    selectNodeByKey("General");
    pauseMs(DestinationChangePauseMs);
    showOutcome(document_->changeDestination(item));
    applyDestinationMenu();
}

void MainWindow::showComparison(std::vector<ComparedSetting> settings)
{
    delete comparison_;
    comparison_ = new CompareWindow(std::move(settings), this);
    comparison_->setAttribute(Qt::WA_DeleteOnClose);
    connect(comparison_, &CompareWindow::jumpRequested, this,
            [this](const QString& node, const QString& field) {
                activateWindow();
                jumpToField(node, field);
            });
    comparison_->show();
}

// The window reopens where the user left it; the first time it opens large
// enough to show every page whole. Either way it lands on a screen that
// exists now.
void MainWindow::applyLayoutLimits(double dpi)
{
    setMinimumSize(twipsToPixels(MinimumWindowWidthTwips, dpi), twipsToPixels(MinimumWindowHeightTwips, dpi));
    tree_->setMinimumWidth(twipsToPixels(SplitterMarginTwips, dpi));
    stack_->setMinimumWidth(twipsToPixels(SplitterMarginTwips, dpi));
}

// The hex view shows the image as it is when switched on; it is rebuilt,
// not followed, so switching it off and on again shows later edits.
void MainWindow::showHexView(bool shown)
{
    shown = shown && services_.state.flags.DebugMode;
    hexView_->setVisible(shown);
    if (!shown) {
        hexView_->clear();
        return;
    }
    placeHexView();
    hexView_->raise();
    hexView_->rebuild(services_.state.image);
}

void MainWindow::placeHexView()
{
    const double dpi = screenDpi(*this);
    const int top = actions_->toolBar->geometry().bottom() + 1;
    const HexViewSize size =
        hexViewSize(pixelsToTwips(width(), dpi), pixelsToTwips(height(), dpi), pixelsToTwips(top, dpi));
    hexView_->setGeometry(0, top, twipsToPixels(size.width, dpi), twipsToPixels(size.height, dpi));
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (isMinimized()) return;
    const double dpi = screenDpi(*this);
    const int treeWidth = twipsToPixels(treeWidthAfterResize(pixelsToTwips(width(), dpi)), dpi);
    splitter_->setSizes({treeWidth, splitter_->width() - treeWidth});
    if (services_.state.flags.DebugMode) placeHexView();
}

QString MainWindow::helpFilePath() const
{
    return help_->filePath();
}

void MainWindow::showHelp(int context, const QString& caption)
{
    help_->show(context, caption);
}

// The size the pages need beside the tree, at least the start-up size.
QSize MainWindow::startSize(double dpi)
{
    ensurePolished();
    const QSize pages = stack_->sizeHint();
    const QSize whole(windowWidthForPages(pages.width() + splitter_->handleWidth()), sizeHint().height());
    return whole.expandedTo(QSize(twipsToPixels(StartWidthPixels * TwipsPerPixelAt96Dpi, dpi),
                                  twipsToPixels(StartHeightPixels * TwipsPerPixelAt96Dpi, dpi)));
}

void MainWindow::showAbout()
{
    AboutBox about(this);
    about.exec();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!fileMenu_->exitPrompt()) {
        event->ignore();
        return;
    }
    help_->closeAll();
    placement_->store(screenDpi(*this));
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QMainWindow::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != this) return QMainWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
        for (QWidget* w = widget; w; w = w->parentWidget())
            if (w->property("helpContext").isValid()) {
                showHelp(w->property("helpContext").toInt());
                return true;
            }
    }
    // Enter never reaches the tree or the toolbar, so it cannot beep or
    // trigger anything there; the pages see it, for their fields store on Enter.
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && !stack_->isAncestorOf(widget)) return true;
    return QMainWindow::eventFilter(watched, event);
}

} // namespace zmp
