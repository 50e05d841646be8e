// The main window: start-up, tree and node selection, caption, the file
// commands with their prompts, the model, destination and port menus and
// the toolbar.
#include <QtTest>

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTextDocument>

#include "files/appsettings.h"
#include "message/messagetexts.h"
#include "platform/helpviewer.h"
#include "platform/qtserialport.h"
#include "ui/aboutbox.h"
#include "ui/filemenuhandler.h"
#include "ui/mainactions.h"
#include "ui/mainwindow.h"
#include "ui/nodetree.h"
#include "ui/page.h"
#include "ui/transferdialog.h"
#include "ui/twips.h"
#include "uitestsupport.h"

using namespace zmp;
using namespace zmp::test;

namespace {

// A page that refuses to be left while told so, as a page whose field holds
// a value its validation rejects.
class RefusingPage : public Page {
  public:
    using Page::Page;
    bool canLeave() override
    {
        if (refuse) messages().inform(state().title(), msg::leavePageError(), MessageIcon::Warning);
        return !refuse;
    }
    void fill(const std::string& key) override
    {
        ++fills;
        filledKey = key;
        filledWhileFilling = state().flags.filling;
        state().flags.modified = true; // as a list handler run during filling does
    }
    bool refuse = false;
    int fills = 0;
    std::string filledKey;
    bool filledWhileFilling = false;
};

const std::string OneModel = "[model1]\r\nuse=1\r\natis=True\r\n";
const std::string TwoModels = "[model1]\r\nuse=1\r\natis=False\r\n[model2]\r\nuse=1\r\natis=False\r\n";

void waitForNew(EditorFixture& editor)
{
    QTRY_VERIFY_WITH_TIMEOUT(!editor.window->fileMenu().newPending(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(editor.window->isEnabled(), 5000);
}

QString shownPageName(EditorFixture& editor)
{
    return editor.window->findChild<QStackedWidget*>("pageStack")->currentWidget()->objectName();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void oneModelHidesTheModelMenu()
    {
        EditorFixture editor("oneModel", OneModel);
        writeDestination(editor.folder, "USA_1130.ini", ModelMr4400);
        QVERIFY(editor.start());
        // The Edit menu stays for Undo and Redo; only its model list goes.
        QVERIFY(editor.window->actions().editMenu->menuAction()->isVisible());
        QVERIFY(!editor.window->actions().editModel->menuAction()->isVisible());
        QCOMPARE(editor.window->windowTitle(), QString("ZMP  PC Program for MR4400"));
        QCOMPARE(editor.window->objectName(), QString("frmMain"));
        QCOMPARE(shownPageName(editor), QString("pictGeneral"));
        QCOMPARE(editor.window->tree().keyOf(editor.window->tree().selectedIndex()), std::string("General"));
        QCOMPARE(editor.window->currentNodeIndex(), -1);
        QVERIFY(!editor.state.flags.modified);
        QVERIFY(editor.messages.shown.empty());
        QCOMPARE(editor.window->actions().destinationItems[0]->text(), QString("&USA"));
        QVERIFY(editor.window->actions().destinationItems[0]->isChecked());
    }

    void modelScanCases_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("editMenu");
        QTest::newRow("second only") << "[model1]\nuse=0\n[model2]\nuse=1\n" << 2 << false;
        QTest::newRow("gap ends scan") << "[model1]\nuse=1\n[model3]\nuse=1\n" << 1 << false;
        QTest::newRow("hash one") << "[model1]\nuse=#1\n" << 1 << false;
        QTest::newRow("two models, lastmodel default 1") << QString::fromStdString(TwoModels) << 1 << true;
    }

    void modelScanCases()
    {
        QFETCH(QString, ini);
        QFETCH(int, model);
        QFETCH(bool, editMenu);
        EditorFixture editor("scan", ini.toStdString());
        writeDestination(editor.folder, "USA_1130.ini", ModelMr4400);
        QVERIFY(editor.start());
        QCOMPARE(editor.state.model, model);
        QCOMPARE(editor.window->actions().editModel->menuAction()->isVisible(), editMenu);
        QVERIFY(editor.window->actions().modelItems[static_cast<std::size_t>(model - 1)]->isChecked());
        QVERIFY(editor.window->actions().modelItems[static_cast<std::size_t>(model - 1)]->isEnabled());
    }

    void noModelEndsStartUp()
    {
        EditorFixture editor("noModel", "[model1]\nuse=0\n");
        QVERIFY(!editor.start());
        QCOMPARE(editor.messages.shown.size(), std::size_t(1));
        QCOMPARE(editor.messages.shown[0].text, std::string("Unknown model!!"));
        QVERIFY(editor.messages.shown[0].detail.ends_with(
            "global.ini: No model offered (\"use=1\" in [model1] to [model10])"));
        QCOMPARE(editor.messages.shown[0].title, std::string("ZMP"));
        QCOMPARE(int(editor.messages.shown[0].icon), int(MessageIcon::Critical));
    }

    void lastModelRestoredButNeverTen()
    {
        std::string ini;
        for (int n = 1; n <= 10; ++n)
            ini += "[model" + std::to_string(n) + "]\nuse=1\n";
        EditorFixture restored("lastModel", ini);
        AppSettings(restored.settings).setLastModel(3);
        QVERIFY(restored.start());
        QCOMPARE(restored.state.model, 3);
        EditorFixture ten("lastModelTen", ini);
        AppSettings(ten.settings).setLastModel(10);
        QVERIFY(ten.start());
        QCOMPARE(ten.state.model, 10); // the last offered model of the scan, not the stored one
        EditorFixture nine("lastModelNine", ini.substr(0, ini.find("[model10]")));
        AppSettings(nine.settings).setLastModel(10);
        QVERIFY(nine.start());
        QCOMPARE(nine.state.model, 9);
    }

    void treeFollowsAtisFlag()
    {
        EditorFixture with("atis", OneModel);
        QVERIFY(with.start());
        QVERIFY(with.window->tree().indexOfKey("ATIS") > 0);
        QVERIFY(with.window->helpFilePath().endsWith("QMxx.HLP"));
        EditorFixture without("noAtis", "[model1]\nuse=1\natis=0\n");
        // A help file that is a symbolic link to itself is no help file.
        std::filesystem::create_symlink("QMxx_NA.HLP", without.folder / "QMxx_NA.HLP");
        QVERIFY(without.start());
        QCOMPARE(without.window->tree().indexOfKey("ATIS"), 0);
        QVERIFY(without.window->helpFilePath().endsWith("QMxx_NA.HLP"));
        QVERIFY(!without.window->actions().helpContents->isEnabled());
    }

    void nodeSelectionShowsPagesAndKeepsModifiedFlag()
    {
        EditorFixture editor("select", OneModel);
        QVERIFY(editor.start());
        auto* page = new RefusingPage({editor.state, editor.messages});
        page->setObjectName("testPage");
        editor.window->registerPage(PageId::CommonSetup, page);
        editor.window->selectNodeByKey("Program");
        QCOMPARE(shownPageName(editor), QString("pictGrey"));
        editor.window->selectNodeByKey("Common");
        QCOMPARE(shownPageName(editor), QString("testPage"));
        QCOMPARE(page->filledKey, std::string("Common"));
        QVERIFY(page->filledWhileFilling);
        QVERIFY(!editor.state.flags.modified);
        QVERIFY(!editor.state.flags.filling);
        QCOMPARE(editor.window->statusBar()->findChild<QLabel*>("sbHint")->text(),
                 QString::fromUtf8(msg::SelectionHint));
        // The node that is already current is not filled again.
        editor.window->selectNodeByKey("Common");
        QCOMPARE(page->fills, 1);
        editor.window->selectNodeByKey("General");
        QCOMPARE(shownPageName(editor), QString("pictGeneral"));
    }

    void refusedLeaveKeepsTheNode()
    {
        EditorFixture editor("refuse", OneModel);
        QVERIFY(editor.start());
        auto* page = new RefusingPage({editor.state, editor.messages});
        editor.window->registerPage(PageId::CommonSetup, page);
        editor.window->selectNodeByKey("Common");
        const int common = editor.window->currentNodeIndex();
        page->refuse = true;
        // The user presses the arrow key in the tree.
        NodeTree& tree = editor.window->tree();
        tree.setFocus();
        QTest::keyClick(&tree, Qt::Key_Down);
        QCOMPARE(editor.window->currentNodeIndex(), common);
        QCOMPARE(tree.selectedIndex(), common);
        QCOMPARE(editor.messages.shown.back().text, std::string("Data Error!!\nPlease input correct data."));
        page->refuse = false;
        QTest::keyClick(&tree, Qt::Key_Down);
        QCOMPARE(tree.keyOf(editor.window->currentNodeIndex()), std::string("DSC"));
    }

    void captionAfterSavingShowsLowerCaseName()
    {
        EditorFixture editor("caption", OneModel);
        QVERIFY(editor.start());
        editor.state.flags.modified = true;
        const std::string path = (editor.folder / "My Boat.DAT").string();
        editor.dialogs.paths.push_back(path);
        editor.window->actions().fileSave->trigger();
        QCOMPARE(editor.window->windowTitle(), QString("ZMP  PC Program for MR4400 - my boat.dat"));
        QVERIFY(std::filesystem::exists(path));
        QVERIFY(!editor.state.flags.modified);
        QCOMPARE(editor.dialogs.filtersAsked.back(), std::string(msg::DatFilter));
    }

    void saveAfterSaveAsWritesWithoutDialog()
    {
        EditorFixture editor("saveAfterSaveAs", OneModel);
        QVERIFY(editor.start());
        const std::string path = (editor.folder / "boat.dat").string();
        editor.dialogs.paths.push_back(path);
        editor.window->actions().fileSaveAs->trigger();
        QCOMPARE(editor.dialogs.filtersAsked.size(), std::size_t(1));
        std::filesystem::remove(path);
        editor.window->actions().fileSave->trigger();
        QCOMPARE(editor.dialogs.filtersAsked.size(), std::size_t(1));
        QVERIFY(std::filesystem::exists(path));
        // Save As always asks; a cancelled dialog writes nothing and sets CancelFlag.
        editor.window->actions().fileSaveAs->trigger();
        QCOMPARE(editor.dialogs.filtersAsked.size(), std::size_t(2));
        QVERIFY(editor.state.flags.CancelFlag);
        QCOMPARE(editor.state.currentFilePath, path);
    }

    void exitPromptAnswers()
    {
        EditorFixture editor("exit", OneModel);
        QVERIFY(editor.start());
        editor.window->show();
        editor.state.flags.modified = true;
        editor.messages.answer(MessageAnswer::Cancel);
        QVERIFY(!editor.window->close());
        QCOMPARE(editor.messages.shown.back().text,
                 std::string("ZMP data has changed.\nDo you want to save changes?"));
        QCOMPARE(int(editor.messages.shown.back().buttons), int(MessageButtons::YesNoCancel));
        QCOMPARE(editor.messages.shown.back().title, std::string("PC Program for MR4400"));
        // Yes with the save dialog cancelled stays open.
        editor.messages.answer(MessageAnswer::Yes);
        QVERIFY(!editor.window->close());
        // Yes with a path saves and closes.
        const std::string path = (editor.folder / "exit.dat").string();
        editor.messages.answer(MessageAnswer::Yes);
        editor.dialogs.paths.push_back(path);
        QVERIFY(editor.window->close());
        QVERIFY(std::filesystem::exists(path));
        QVERIFY(editor.settings.contains("Settings", "MainWidth"));
        // No closes without saving.
        EditorFixture other("exitNo", OneModel);
        QVERIFY(other.start());
        other.window->show();
        other.state.flags.modified = true;
        other.messages.answer(MessageAnswer::No);
        QVERIFY(other.window->close());
        QVERIFY(other.dialogs.filtersAsked.empty());
    }

    void openingFileOfOtherModelResets()
    {
        EditorFixture writer("otherModelWriter", "[model1]\nuse=0\n[model2]\nuse=1\n");
        QVERIFY(writer.start());
        const std::string path = (writer.folder / "model2.dat").string();
        writer.dialogs.paths.push_back(path);
        writer.window->actions().fileSave->trigger();
        QVERIFY(std::filesystem::exists(path));

        EditorFixture editor("otherModel", OneModel);
        QVERIFY(editor.start());
        editor.state.records.userMmsi = "123456789";
        editor.dialogs.paths.push_back(path);
        editor.window->actions().fileOpen->trigger();
        QVERIFY(editor.messages.texts().find("ModelType Error !!") != std::string::npos);
        QVERIFY(editor.state.currentFilePath.empty());
        QCOMPARE(editor.window->windowTitle(), QString("ZMP  PC Program for MR4400"));
        QVERIFY(editor.state.records.userMmsi != "123456789");
        QVERIFY(editor.window->isEnabled());
    }

    void openingOwnFileSetsCaption()
    {
        EditorFixture editor("openOwn", OneModel);
        QVERIFY(editor.start());
        editor.state.records.groups[1].StatusName = "HARB";
        const std::string path = (editor.folder / "Harbour.dat").string();
        editor.dialogs.paths.push_back(path);
        editor.window->actions().fileSaveAs->trigger();
        editor.window->actions().fileNew->trigger();
        waitForNew(editor);
        QVERIFY(editor.state.records.groups[1].StatusName.empty());
        editor.dialogs.paths.push_back(path);
        editor.window->actions().fileOpen->trigger();
        QCOMPARE(editor.state.records.groups[1].StatusName, std::string("HARB"));
        QCOMPARE(editor.window->windowTitle(), QString("ZMP  PC Program for MR4400 - harbour.dat"));
        const int group2 = editor.window->tree().indexOfKey("PI");
        QVERIFY(group2 > 0);
        QCOMPARE(editor.window->tree().node(group2)->text(0), QString("Group2(HARB)"));
    }

    // The file named on the command line, opened once the window is up.
    void openPathOpensWithoutAskingAndReportsAMissingFile()
    {
        EditorFixture editor("openPath", OneModel);
        QVERIFY(editor.start());
        editor.state.records.groups[1].StatusName = "DOCK";
        const std::string path = (editor.folder / "Dock.dat").string();
        editor.dialogs.paths.push_back(path);
        editor.window->actions().fileSaveAs->trigger();
        editor.window->actions().fileNew->trigger();
        waitForNew(editor);
        const std::size_t asked = editor.dialogs.filtersAsked.size();

        editor.window->fileMenu().openPath(path);
        QCOMPARE(editor.dialogs.filtersAsked.size(), asked);
        QCOMPARE(editor.state.records.groups[1].StatusName, std::string("DOCK"));
        QCOMPARE(editor.state.currentFilePath, path);
        QCOMPARE(editor.window->windowTitle(), QString("ZMP  PC Program for MR4400 - dock.dat"));
        QVERIFY(editor.window->isEnabled());

        editor.window->fileMenu().openPath((editor.folder / "gone.dat").string());
        QVERIFY(editor.messages.texts().find(msg::FileReadError) != std::string::npos);
        QCOMPARE(editor.state.currentFilePath, path);
        QCOMPARE(editor.state.records.groups[1].StatusName, std::string("DOCK"));
        QVERIFY(editor.window->isEnabled());
    }

    void imageFileShortcutsOnlyInDebugMode()
    {
        EditorFixture plain("noDebug", OneModel);
        QVERIFY(plain.start());
        plain.window->show();
        QTest::keyClick(plain.window.get(), Qt::Key_F2, Qt::ControlModifier);
        QTest::keyClick(plain.window.get(), Qt::Key_F3, Qt::ControlModifier);
        QVERIFY(plain.dialogs.filtersAsked.empty());

        EditorFixture debug("debug", OneModel, true);
        QVERIFY(debug.start());
        debug.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(debug.window.get()));
        const std::string hex = (debug.folder / "image.hex").string();
        debug.dialogs.paths.push_back(hex);
        QTest::keyClick(debug.window.get(), Qt::Key_F3, Qt::ControlModifier);
        QCOMPARE(debug.dialogs.filtersAsked.size(), std::size_t(1));
        QCOMPARE(debug.dialogs.filtersAsked[0], std::string(msg::HexFilter));
        QCOMPARE(std::filesystem::file_size(hex), std::uintmax_t(ImageSize));
        debug.state.flags.modified = true;
        debug.dialogs.paths.push_back(hex);
        QTest::keyClick(debug.window.get(), Qt::Key_F2, Qt::ControlModifier);
        QCOMPARE(debug.window->windowTitle(), QString("ZMP  PC Program for MR4400 - image.hex"));
        QVERIFY(!debug.state.flags.modified);
        // Save after opening an image file asks for a path instead of
        // writing the configuration text over the image.
        const std::string before = readBytes(hex);
        const std::string dat = (debug.folder / "fromimage.dat").string();
        debug.dialogs.paths.push_back(dat);
        debug.window->actions().fileSave->trigger();
        QCOMPARE(debug.dialogs.filtersAsked.size(), std::size_t(3));
        QCOMPARE(readBytes(hex), before);
        QVERIFY(std::filesystem::exists(dat));
        QCOMPARE(debug.state.currentFilePath, dat);
    }

    void wrongSizeImageFileIsRefused()
    {
        EditorFixture debug("badImage", OneModel, true);
        QVERIFY(debug.start());
        const std::filesystem::path bad = debug.folder / "short.hex";
        writeBytes(bad, "not an image");
        debug.dialogs.paths.push_back(bad.string());
        debug.window->fileMenu().openImageFile();
        QCOMPARE(debug.messages.shown.back().text, std::string("bad file!!"));
        QCOMPARE(debug.messages.shown.back().detail, bad.string() + ": Not an image file of 32768 bytes");
        QCOMPARE(int(debug.messages.shown.back().icon), int(MessageIcon::Critical));
        QVERIFY(debug.state.currentFilePath.empty());
        QVERIFY(debug.window->isEnabled());
    }

    void destinationMenu()
    {
        EditorFixture editor("destinations", OneModel);
        writeDestination(editor.folder, "USA_1130.ini", ModelMr4400);
        writeDestination(editor.folder, "intl_1130.ini", ModelMr4400);
        writeDestination(editor.folder, "CAN_1130.ini", ModelMr4400);
        QVERIFY(editor.start());
        MainActions& a = editor.window->actions();
        QCOMPARE(a.destinationItems[0]->text(), QString("&CAN"));
        QCOMPARE(a.destinationItems[1]->text(), QString("&INTL"));
        QCOMPARE(a.destinationItems[2]->text(), QString("&USA"));
        QVERIFY(!a.destinationItems[3]->isVisible());
        QVERIFY(a.destinationItems[0]->isChecked());
        // Cancel keeps everything.
        editor.messages.answer(MessageAnswer::Cancel);
        a.destinationItems[2]->trigger();
        QCOMPARE(editor.messages.shown.back().text, std::string("Do you want to change to USA?"));
        QVERIFY(a.destinationItems[0]->isChecked());
        QVERIFY(!a.destinationItems[2]->isChecked());
        // OK loads and remembers.
        editor.state.flags.modified = true;
        editor.messages.answer(MessageAnswer::Ok);
        editor.messages.answer(MessageAnswer::No); // unsaved changes: not saved
        a.destinationItems[2]->trigger();
        QVERIFY(a.destinationItems[2]->isChecked());
        QVERIFY(!a.destinationItems[0]->isChecked());
        QCOMPARE(AppSettings(editor.settings).rememberedDestination(ModelMr4400), std::string("USA"));
        QVERIFY(!editor.state.flags.modified);
        // The checked item reloads without asking.
        const std::size_t asked = editor.messages.shown.size();
        a.destinationItems[2]->trigger();
        QCOMPARE(editor.messages.shown.size(), asked);
        QVERIFY(a.destinationItems[2]->isChecked());
    }

    void serialPortMenuStoresComNum()
    {
        EditorFixture editor("ports", OneModel);
        AppSettings(editor.settings).setComNum(3);
        QVERIFY(editor.start());
        MainActions& a = editor.window->actions();
        QVERIFY(a.portItems[2]->isChecked());
        QCOMPARE(a.portItems[0]->text().section('\t', 0, 0), QString("COM&1"));
        QCOMPARE(a.portItems[15]->text().section('\t', 0, 0), QString("COM16"));
        a.portItems[6]->trigger();
        QCOMPARE(editor.settings.value("ComPath", "ComNum", ""), std::string("7"));
        QVERIFY(a.portItems[6]->isChecked());
        QVERIFY(!a.portItems[2]->isChecked());
    }

    void serialPortMenuShowsDevicesAndKeepsTheChosenAdapter()
    {
        EditorFixture editor("portDevices", OneModel);
        SerialDevice adapter("/dev/ttyUSB0");
        adapter.description = "FT232R USB UART";
        adapter.manufacturer = "FTDI";
        adapter.vendorId = 0x0403;
        adapter.productId = 0x6001;
        adapter.stableName = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0";
        std::vector<SerialDevice> listed{"/dev/ttyS0", adapter};
        editor.devices = [&listed] { return listed; };
        QVERIFY(editor.start());
        MainActions& a = editor.window->actions();
        QCOMPARE(a.portItems[0]->text(), QString("COM&1\t/dev/ttyS0"));
        QCOMPARE(a.portItems[1]->text(),
                 QString("COM&2\t/dev/ttyUSB0  FT232R USB UART (FTDI, USB 0403:6001)"));
        QCOMPARE(a.portItems[2]->text(), QString("COM&3"));
        a.portItems[1]->trigger();
        QCOMPARE(AppSettings(editor.settings).portDevice(2), adapter.stableName);
        // Re-plugged as ttyUSB1 while another adapter now sorts first.
        adapter.location = "/dev/ttyUSB1";
        listed = {"/dev/ttyACM0", "/dev/ttyS0", adapter};
        QVERIFY(editor.start());
        MainActions& again = editor.window->actions();
        QCOMPARE(again.portItems[1]->text(),
                 QString("COM&2\t/dev/ttyUSB1  FT232R USB UART (FTDI, USB 0403:6001)"));
        QVERIFY(again.portItems[1]->isChecked());
        QCOMPARE(again.portItems[0]->text(), QString("COM&1\t/dev/ttyACM0"));
        listed = {"/dev/ttyS0"};
        QVERIFY(editor.start());
        QCOMPARE(editor.window->actions().portItems[1]->text(),
                 QString("COM&2\t%1  (not connected)").arg(QString::fromStdString(adapter.stableName)));
    }

    // Every device is offered besides the numbers, and any path may be
    // typed; each is stored under a port number and shown checked.
    void serialPortMenuOffersEveryDeviceAndAnyPath()
    {
        EditorFixture editor("portOther", OneModel);
        SerialDevice adapter("/dev/ttyUSB0");
        adapter.description = "FT232R USB UART";
        adapter.stableName = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0";
        editor.devices = [adapter] { return std::vector<SerialDevice>{"/dev/ttyS0", adapter}; };
        const std::string typed = (editor.folder / "ttyOTHER").string();
        writeBytes(typed, "");
        editor.dialogs.texts.push_back(typed);
        QVERIFY(editor.start());
        MainActions& a = editor.window->actions();
        auto device = [&editor](int k) {
            return editor.window->findChild<QAction*>(QStringLiteral("mnuOptionsSerialDevice_%1").arg(k));
        };
        QVERIFY(device(1) && !device(2));
        QCOMPARE(device(1)->text(), QString("/dev/ttyUSB0  FT232R USB UART"));
        QVERIFY(device(0)->isChecked());
        device(1)->trigger();
        QCOMPARE(AppSettings(editor.settings).comNum(), 2);
        QCOMPARE(AppSettings(editor.settings).portDevice(2), adapter.stableName);
        QVERIFY(device(1)->isChecked() && !device(0)->isChecked() && a.portItems[1]->isChecked());
        a.portOther->trigger();
        QCOMPARE(AppSettings(editor.settings).comNum(), 3);
        QCOMPARE(a.portItems[2]->text(), "COM&3\t" + QString::fromStdString(typed));
        QVERIFY(a.portItems[2]->isChecked());
        QCOMPARE(device(2)->text(), QString::fromStdString(typed));
        QVERIFY(device(2)->isChecked() && !device(1)->isChecked());
    }

    void toolbarButtonOfDisabledItemDoesNothing()
    {
        EditorFixture editor("toolbar", OneModel);
        QVERIFY(editor.start());
        MainActions& a = editor.window->actions();
        a.fileSave->setEnabled(false);
        a.toolButton("Save")->trigger();
        QVERIFY(editor.dialogs.filtersAsked.empty());
        a.fileSave->setEnabled(true);
        a.toolButton("Save")->trigger();
        QCOMPARE(editor.dialogs.filtersAsked.size(), std::size_t(1));
        a.fileOpen->setEnabled(false);
        a.toolButton("Open")->trigger();
        QCOMPARE(editor.dialogs.filtersAsked.size(), std::size_t(1));
    }

    void modelSwitchAsksAndStoresLastModel()
    {
        EditorFixture editor("modelSwitch", TwoModels);
        AppSettings(editor.settings).setLastModel(2);
        QVERIFY(editor.start());
        MainActions& a = editor.window->actions();
        QCOMPARE(editor.state.model, 2);
        editor.messages.answer(MessageAnswer::Cancel);
        a.modelItems[0]->trigger();
        QCOMPARE(editor.messages.shown.back().text, std::string("Do you want to program the MR4400 series?"));
        QCOMPARE(editor.state.model, 2);
        QVERIFY(a.modelItems[1]->isChecked());
        editor.messages.answer(MessageAnswer::Ok);
        a.modelItems[0]->trigger();
        waitForNew(editor);
        QCOMPARE(editor.state.model, 1);
        QCOMPARE(editor.settings.value("Settings", "lastmodel", ""), std::string("1"));
        QVERIFY(a.modelItems[0]->isChecked());
        QVERIFY(!a.modelItems[1]->isChecked());
        QCOMPARE(editor.window->windowTitle(), QString("ZMP  PC Program for MR4400"));
    }

    void helpOpensAtContextOrSaysThereIsNone()
    {
        EditorFixture editor("help", OneModel);
        const std::filesystem::path help = std::filesystem::path(std::getenv("ZMP_PROGRAM_DIR")) / "QMxx.HLP";
        QVERIFY(std::filesystem::exists(help));
        std::filesystem::copy_file(help, editor.folder / "QMxx.HLP");
        QVERIFY(editor.start());
        QVERIFY(editor.window->actions().helpContents->isEnabled());
        editor.window->actions().helpContents->trigger();
        HelpViewer* viewer = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<HelpViewer*>(widget)) viewer = found;
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->browser()->source().fileName(), QString("QMxx.HLP"));
        QVERIFY(viewer->browser()->toHtml().contains("ctx1001"));
        // A window to assistive technology, with a way back and out.
        QCOMPARE(QAccessible::queryAccessibleInterface(viewer)->role(), QAccessible::Window);
        QVERIFY(viewer->findChild<QAction*>("cmdHelpBack"));
        QVERIFY(viewer->findChild<QAction*>("cmdHelpForward"));
        QVERIFY(QTest::qWaitForWindowExposed(viewer));
        QTest::keyClick(viewer->windowHandle(), Qt::Key_Escape);
        QVERIFY(!viewer->isVisible());
        QVERIFY(editor.messages.texts().find(msg::NoHelp) == std::string::npos);
        // Without the file the transfer dialog's Help says so, titled with its caption.
        std::filesystem::remove(editor.folder / "QMxx.HLP");
        QtSerialPort port{SerialPortNames(&editor.settings)};
        TransferDialog dialog(OperationType::Read, editor.state, editor.settings, editor.messages, port,
                              editor.window.get());
        connect(&dialog, &TransferDialog::helpRequested, editor.window.get(),
                [&](int context, const QString& caption) { editor.window->showHelp(context, caption); });
        dialog.findChild<QPushButton*>("cmdHelp")->click();
        QCOMPARE(editor.messages.shown.back().text, std::string(msg::NoHelp));
        QCOMPARE(editor.messages.shown.back().title, std::string("Read from Radio"));
        QCOMPARE(int(editor.messages.shown.back().icon), int(MessageIcon::Information));
        QVERIFY(!dialog.findChild<QLabel*>("lblmon")->isVisibleTo(&dialog));
    }

    void transferDialogRemembersTheVerifyChoice()
    {
        EditorFixture editor("dialogVerify", OneModel, true);
        QVERIFY(editor.start());
        QtSerialPort port{SerialPortNames(&editor.settings)};
        TransferDialog read(OperationType::Read, editor.state, editor.settings, editor.messages, port);
        QVERIFY(!read.findChild<QCheckBox*>("chkVerify")->isVisibleTo(&read));
        {
            TransferDialog program(OperationType::Program, editor.state, editor.settings, editor.messages,
                                   port);
            auto* verify = program.findChild<QCheckBox*>("chkVerify");
            QVERIFY(verify->isVisibleTo(&program));
            QVERIFY(verify->isChecked());
            program.show();
            QVERIFY(QTest::qWaitForWindowExposed(&program));
            QVERIFY(program.grab().save(
                QString::fromStdString((editor.folder / "frmRadio-program.png").string())));
            verify->click();
        }
        TransferDialog again(OperationType::Program, editor.state, editor.settings, editor.messages, port);
        QVERIFY(!again.findChild<QCheckBox*>("chkVerify")->isChecked());
    }

    void transferDialogPlacesPicturesByDirection()
    {
        EditorFixture editor("dialogLayout", OneModel, true);
        QVERIFY(editor.start());
        QtSerialPort port{SerialPortNames(&editor.settings)};
        TransferDialog read(OperationType::Read, editor.state, editor.settings, editor.messages, port);
        QCOMPARE(read.findChild<QLabel*>("pictA")->x(), twipsToPixels(350));
        QCOMPARE(read.findChild<QLabel*>("pictB")->x(), twipsToPixels(4200));
        QCOMPARE(read.findChild<QLabel*>("pictA")->y(), twipsToPixels(1370));
        QCOMPARE(read.findChild<QLabel*>("pictB")->y(), twipsToPixels(1320));
        QVERIFY(read.findChild<QLabel*>("lblmon")->isVisibleTo(&read));
        QCOMPARE(read.findChild<QLabel*>("lblmess")->text().split("\r\n").size(), 5);
        read.show();
        QVERIFY(QTest::qWaitForWindowExposed(&read));
        QVERIFY(read.grab().save(QString::fromStdString((editor.folder / "frmRadio.png").string())));
        TransferDialog program(OperationType::Program, editor.state, editor.settings, editor.messages, port);
        QCOMPARE(program.windowTitle(), QString("Program to Radio"));
        QCOMPARE(program.findChild<QLabel*>("pictA")->x(), twipsToPixels(4100));
        QCOMPARE(program.findChild<QLabel*>("pictB")->x(), twipsToPixels(450));
        // The rows under the pictures keep their distance from them, and no
        // band wider than the gap above the buttons is left under them.
        auto* ok = program.findChild<QPushButton*>("cmdOK");
        auto* bar = program.findChild<QProgressBar*>("pictProgress");
        auto* verify = program.findChild<QCheckBox*>("chkVerify");
        const int picturesBottom = program.findChild<QLabel*>("pictA")->geometry().bottom();
        const int rowGap = bar->y() - verify->geometry().bottom();
        QVERIFY(program.findChild<QLabel*>("lblmon")->y() - picturesBottom >= rowGap);
        QVERIFY(program.height() - ok->geometry().bottom() <= ok->y() - bar->geometry().bottom());
        // A progress above 100 is shown as 100 %.
        program.showProgress(140);
        QCOMPARE(program.progress(), 100);
        QCOMPARE(program.findChild<QProgressBar*>("pictProgress")->value(), 100);
    }

    // The link's message reaches the box whole: an internal error is its
    // number, two line breaks and the description, never the number alone.
    void transferDialogShowsTheLinkMessageWhole()
    {
        EditorFixture editor("dialogMessage", OneModel, true);
        QVERIFY(editor.start());
        QtSerialPort port{SerialPortNames(&editor.settings)};
        TransferDialog read(OperationType::Read, editor.state, editor.settings, editor.messages, port);
        const Message internal{"frmRadio.ReadData", "1\n\nout of memory", MessageIcon::Critical};
        read.showMessage(internal);
        QCOMPARE(editor.messages.shown.back(), internal);
    }

    void aboutBoxNamesVersion()
    {
        AboutBox about;
        QCOMPARE(about.objectName(), QString("frmAbout"));
        QCOMPARE(about.windowTitle(), QString("Version Infomation"));
        QCOMPARE(about.findChild<QLabel*>("lblTitle")->text(), QString("ZMP  Zampler"));
        QVERIFY(QRegularExpression("^Version \\d+\\.\\d+\\.\\d+$").match(AboutBox::versionLine()).hasMatch());
        about.show();
        about.findChild<QPushButton*>("cmdOK")->click();
        QVERIFY(!about.isVisible());
    }

    // The File and Edit commands answer the platform's standard keys.
    void standardKeysRunTheirCommands_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("asksForFile");
        QTest::newRow("open") << int(QKeySequence::Open) << true;
        QTest::newRow("save") << int(QKeySequence::Save) << true;
        QTest::newRow("save as") << int(QKeySequence::SaveAs) << true;
        QTest::newRow("new") << int(QKeySequence::New) << false;
    }
    void standardKeysRunTheirCommands()
    {
        QFETCH(int, key);
        QFETCH(bool, asksForFile);
        const auto standard = QKeySequence::StandardKey(key);
        if (QKeySequence::keyBindings(standard).isEmpty()) QSKIP("no such key on this platform");
        EditorFixture editor("keys", OneModel);
        QVERIFY(editor.start());
        editor.window->show();
        editor.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor.window.get()));
        editor.state.flags.modified = true;
        editor.messages.answer(MessageAnswer::No);
        const std::size_t before = editor.messages.shown.size();
        QTest::keySequence(editor.window.get(), QKeySequence(standard));
        if (asksForFile) {
            QCOMPARE(editor.dialogs.filtersAsked, std::vector<std::string>{msg::DatFilter});
        } else {
            QVERIFY(editor.messages.shown.size() > before);
            QCOMPARE(editor.messages.shown[before].text, msg::exitQuestion());
        }
    }

    // Files saved or opened come back from File > Recent Files (after the
    // save question) and by a drop on the window; an image file is taken
    // only in the engineering mode.
    void recentAndDroppedFilesOpenAfterTheSaveQuestion()
    {
        EditorFixture editor("recent", OneModel);
        QVERIFY(editor.start());
        editor.window->show();
        const std::string first = (editor.folder / "first.dat").string();
        const std::string second = (editor.folder / "second.dat").string();
        editor.state.records.groups[1].StatusName = "ONE";
        editor.dialogs.paths = {first, second};
        editor.window->actions().fileSaveAs->trigger();
        editor.state.records.groups[1].StatusName = "TWO";
        editor.window->actions().fileSaveAs->trigger();
        QMenu* recent = editor.window->actions().fileRecent;
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().size(), 2);
        QVERIFY(recent->actions()[0]->text().endsWith("second.dat"));
        QVERIFY(recent->actions()[1]->text().startsWith("&2 "));

        editor.state.flags.modified = true;
        editor.messages.answer(MessageAnswer::No);
        const std::size_t before = editor.messages.shown.size();
        recent->actions()[1]->trigger();
        QVERIFY(editor.messages.shown.size() > before);
        QCOMPARE(editor.messages.shown[before].text, msg::exitQuestion());
        QCOMPARE(editor.state.currentFilePath, first);
        QCOMPARE(editor.state.records.groups[1].StatusName, std::string("ONE"));

        // A drop reaches the window whose drag enter it accepted.
        auto dropOf = [&](const std::string& path) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(editor.window.get(), &enter);
            if (!enter.isAccepted()) return false;
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(editor.window.get(), &drop);
            return drop.isAccepted();
        };
        QVERIFY(!dropOf((editor.folder / "image.hex").string()));
        QVERIFY(dropOf(second));
        QTRY_COMPARE(editor.state.currentFilePath, second);
        QCOMPARE(editor.state.records.groups[1].StatusName, std::string("TWO"));
        emit recent->aboutToShow();
        QVERIFY(recent->actions()[0]->text().endsWith("second.dat"));
    }

    // A menu item pressed by assistive technology (a trigger without a
    // click) while a modal dialog is open does nothing, as a click does.
    void menuCommandsWaitForAModalDialog()
    {
        EditorFixture editor("modal", OneModel);
        QVERIFY(editor.start());
        editor.window->show();
        QDialog dialog(editor.window.get());
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QTRY_COMPARE(QApplication::activeModalWidget(), &dialog);
        editor.window->actions().fileOpen->trigger();
        QVERIFY(editor.dialogs.filtersAsked.empty());
        dialog.close();
        QTRY_VERIFY(!QApplication::activeModalWidget());
        editor.window->actions().fileOpen->trigger();
        QCOMPARE(editor.dialogs.filtersAsked.size(), std::size_t(1));
    }

    void screenshotOfMainWindow()
    {
        EditorFixture editor("screenshot", OneModel);
        writeDestination(editor.folder, "USA_1130.ini", ModelMr4400);
        QVERIFY(editor.start());
        editor.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.window.get()));
        const QImage shot = editor.window->grab().toImage();
        QVERIFY(shot.save(QString::fromStdString((editor.folder / "mainwindow.png").string())));
        // The logo page draws something besides its background.
        const QWidget* logo = editor.window->findChild<QWidget*>("pictGeneral");
        const QImage page = const_cast<QWidget*>(logo)->grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < page.height(); y += 4)
            for (int x = 0; x < page.width(); x += 4)
                colours.insert(page.pixel(x, y));
        QVERIFY(colours.size() > 10);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
