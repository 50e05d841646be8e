#include "ui/mainactions.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "message/messagetexts.h"

namespace zmp {

MainActions::MainActions(QMainWindow& window) : QObject(&window)
{
    createFileMenu(window);
    createEditMenu(window);
    createTransferMenu(window);
    createDestinationMenu(window);
    createOptionsMenu(window);
    createHelpMenu(window);
    createToolBar(window);
}

QAction* MainActions::item(QMenu* menu, const char* name, const char* caption)
{
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(name));
    return action;
}

void MainActions::createFileMenu(QMainWindow& window)
{
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&File"));
    menu->setObjectName(QStringLiteral("mnuFile"));
    fileNew = item(menu, "mnuFileNew", "&New");
    fileNew->setShortcut(QKeySequence::New);
    fileOpen = item(menu, "mnuFileOpen", "&Open");
    fileOpen->setShortcut(QKeySequence::Open);
    fileRecent = menu->addMenu(QStringLiteral("Recent &Files"));
    fileRecent->setObjectName(QStringLiteral("mnuFileRecent"));
    menu->addSeparator();
    fileSave = item(menu, "mnuFileSave", "&Save");
    fileSave->setShortcut(QKeySequence::Save);
    fileSaveAs = item(menu, "mnuFileSaveAs", "Save &As...");
    fileSaveAs->setShortcut(QKeySequence::SaveAs);
    // Nothing is attached to it; it is shown greyed.
    fileSaveAsDefault = item(menu, "mnuFileSaveAsDefault", "Save As &Default");
    fileSaveAsDefault->setEnabled(false);
    fileExport = menu->addMenu(QStringLiteral("&Export"));
    fileExport->setObjectName(QStringLiteral("mnuFileExport"));
    fileImport = menu->addMenu(QStringLiteral("&Import"));
    fileImport->setObjectName(QStringLiteral("mnuFileImport"));
    menu->addSeparator();
    filePrint = item(menu, "mnuFilePrint", "&Print");
    filePrint->setShortcut(QKeySequence::Print);
    fileExportPdf = item(menu, "mnuFileExportPdf", "Expor&t PDF\u2026");
    filePrintToFile = item(menu, "mnuFilePrintToFile", "P&rint to File");
    menu->addSeparator();
    fileBackups = item(menu, "mnuFileBackups", "&Backups…");
    fileProgramFleet = item(menu, "mnuFileProgramFleet", "Program a F&leet…");
    menu->addSeparator();
    fileExit = item(menu, "mnuFileExit", "E&xit");
    fileExit->setShortcut(QKeySequence::Quit);
}

void MainActions::createEditMenu(QMainWindow& window)
{
    editMenu = window.menuBar()->addMenu(QStringLiteral("&Edit"));
    editMenu->setObjectName(QStringLiteral("mnuEdit"));
    editUndo = item(editMenu, "mnuEditUndo", "&Undo");
    editUndo->setShortcut(QKeySequence::Undo);
    editRedo = item(editMenu, "mnuEditRedo", "&Redo");
    // The platform's keys, and Ctrl+Y, which every desktop's users know.
    QList<QKeySequence> redo = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redo.contains(QKeySequence(Qt::CTRL | Qt::Key_Y))) redo << QKeySequence(Qt::CTRL | Qt::Key_Y);
    editRedo->setShortcuts(redo);
    editMenu->addSeparator();
    editModel = editMenu->addMenu(QStringLiteral("&Model"));
    editModel->setObjectName(QStringLiteral("mnuEditModel"));
    for (int k = 0; k < ModelItemCount; ++k) {
        QAction* action = editModel->addAction(QString());
        action->setObjectName(QStringLiteral("mnuEditModelType_%1").arg(k));
        action->setCheckable(true);
        modelItems[static_cast<std::size_t>(k)] = action;
    }
}

void MainActions::createTransferMenu(QMainWindow& window)
{
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Transfer"));
    menu->setObjectName(QStringLiteral("mnuTransfer"));
    transferProgram = item(menu, "mnuTransferProgram", "&Program to Radio");
    transferRead = item(menu, "mnuTransferRead", "&Read from Radio");
    menu->addSeparator();
    transferCompare = item(menu, "mnuTransferCompare", "&Compare with Radio");
}

void MainActions::createDestinationMenu(QMainWindow& window)
{
    destinationMenu = window.menuBar()->addMenu(QStringLiteral("&Destination"));
    destinationMenu->setObjectName(QStringLiteral("mnuDestination"));
    for (int k = 0; k < DestinationItemCount; ++k) {
        QAction* action = destinationMenu->addAction(QString());
        action->setObjectName(QStringLiteral("mnuDestinationChild_%1").arg(k));
        action->setCheckable(true);
        action->setVisible(false);
        destinationItems[static_cast<std::size_t>(k)] = action;
    }
}

void MainActions::createOptionsMenu(QMainWindow& window)
{
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Options"));
    menu->setObjectName(QStringLiteral("mnuOptions"));
    optionsMenu = menu;
    serialPortMenu = menu->addMenu(QStringLiteral("&SerialPort"));
    serialPortMenu->setObjectName(QStringLiteral("mnuOptionsSerialPort"));
    for (int port = 1; port <= SerialPortItemCount; ++port) {
        QAction* action = serialPortMenu->addAction(portCaption(port));
        action->setObjectName(QStringLiteral("mnuOptionsSerialPort1_%1").arg(port));
        action->setCheckable(true);
        portItems[static_cast<std::size_t>(port - 1)] = action;
    }
    serialPortMenu->setSeparatorsCollapsible(true);
    serialPortMenu->addSeparator();
    portDevicesEnd = serialPortMenu->addSeparator();
    portOther = item(serialPortMenu, "mnuOptionsSerialPortOther", msg::OtherDevice);
    findRadio = item(serialPortMenu, "mnuOptionsFindRadio", msg::FindRadio);
    optionsHexdump = item(menu, "mnuOptionsHexdump", "Hexdump");
    optionsHexdump->setCheckable(true);
}

void MainActions::createHelpMenu(QMainWindow& window)
{
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Help"));
    menu->setObjectName(QStringLiteral("mnuHelp"));
    helpContents = item(menu, "mnuHelpContents", "&Contents");
    menu->addSeparator();
    helpAbout = item(menu, "mnuHelpAbout", "&About ZMP Version");
}

void MainActions::createToolBar(QMainWindow& window)
{
    toolBar = window.addToolBar(QStringLiteral("Toolbar"));
    toolBar->setObjectName(QStringLiteral("tbToolBar"));
    toolBar->setMovable(false);
    QStyle* style = QApplication::style();
    addToolButton(QStringLiteral("New"), style->standardIcon(QStyle::SP_FileIcon), QStringLiteral("New"));
    addToolButton(QStringLiteral("Open"), style->standardIcon(QStyle::SP_DialogOpenButton),
                  QStringLiteral("Open"));
    addToolButton(QStringLiteral("Save"), style->standardIcon(QStyle::SP_DialogSaveButton),
                  QStringLiteral("Save"));
    addToolButton(QStringLiteral("Print"), style->standardIcon(QStyle::SP_FileDialogDetailedView),
                  QStringLiteral("Print"));
    toolBar->addSeparator();
    addToolButton(QStringLiteral("Program"), style->standardIcon(QStyle::SP_ArrowUp),
                  QStringLiteral("Program to Radio"));
    addToolButton(QStringLiteral("Read"), style->standardIcon(QStyle::SP_ArrowDown),
                  QStringLiteral("Read from Radio"));
    toolBar->addSeparator();
    // Buttons 10 and 11: the same transfers with the radio's picture.
    addToolButton(QStringLiteral("Program2"), style->standardIcon(QStyle::SP_ComputerIcon),
                  QStringLiteral("Program to Radio"),
                  QStringLiteral("Program to Radio, with the radio's picture"));
    addToolButton(QStringLiteral("Read2"), style->standardIcon(QStyle::SP_DriveHDIcon),
                  QStringLiteral("Read from Radio"),
                  QStringLiteral("Read from Radio, with the radio's picture"));
    // The toolbar's own button for the buttons a narrow window cannot show.
    if (auto* more = toolBar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
        more->setAccessibleName(QStringLiteral("More toolbar buttons"));
        more->setToolTip(more->accessibleName());
    }
}

void MainActions::addToolButton(const QString& key, const QIcon& icon, const QString& tip,
                                const QString& name)
{
    QAction* action = toolBar->addAction(icon, tip);
    action->setObjectName(QStringLiteral("tb") + key);
    action->setData(key);
    action->setToolTip(tip);
    toolBar->widgetForAction(action)->setAccessibleName(name.isEmpty() ? tip : name);
    connect(action, &QAction::triggered, this, [this, key] { emit toolButtonPressed(key); });
}

QAction* MainActions::toolButton(const QString& key) const
{
    return toolBar->findChild<QAction*>(QStringLiteral("tb") + key);
}

QString MainActions::portCaption(int port)
{
    // Ports 1 to 9 have an access key; the spelling of the others has none.
    return port <= 9 ? QStringLiteral("COM&%1").arg(port) : QStringLiteral("COM%1").arg(port);
}

} // namespace zmp
