// Read from Radio and Program to Radio through the transfer dialog, against
// the radio emulator on a pseudo-terminal.
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>

#include <QTreeWidget>

#include "backup/backupstore.h"
#include "files/appsettings.h"
#include "image/imagecodec.h"
#include "message/messagetexts.h"
#include "support/simprocess.h"
#include "ui/backupsdialog.h"
#include "ui/comparewindow.h"
#include "ui/mainactions.h"
#include "ui/mainwindow.h"
#include "ui/nodetree.h"
#include "ui/transferdialog.h"
#include "uitestsupport.h"

using namespace zmp;
using namespace zmp::test;

namespace {

// zmp-radio-sim in its own process, writing its memory to a dump file when it ends.
class Radio {
  public:
    explicit Radio(const std::filesystem::path& folder, const std::vector<std::string>& extra = {})
        : dump_(folder / "radio-dump.bin"), process_(arguments(dump_, extra)), device_(process_.firstLine())
    {
    }

    const std::string& device() const { return device_; }
    // Ends the emulator, which writes its memory to the dump file.
    std::string stopAndDump()
    {
        process_.stop();
        return readBytes(dump_);
    }

  private:
    static std::vector<std::string> arguments(const std::filesystem::path& dump,
                                              std::vector<std::string> extra)
    {
        extra.insert(extra.begin(), {"--baud", "0", "--dump", dump.string()});
        return extra;
    }

    std::filesystem::path dump_;
    SimProcess process_;
    std::string device_;
};

// Watches the transfer dialog while it is open: presses its buttons on cue
// and remembers what the user would have seen.
class DialogDriver : public QObject {
  public:
    DialogDriver()
    {
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start(5);
    }

    int cancelAtPercent = -1; // press Cancel once the bar passes this
    bool pressOk = true;
    int maxProgress = 0;
    bool closeRefusedWhileBusy = false;
    bool okDisabledWhileBusy = false;
    QString caption;
    QString instructions;
    QString device;  // the device the dialog names
    QString focused; // the control that has the focus when it opens
    int opened = 0;
    QStringList statusTexts;
    QString lastMessage; // the dialog's message label as last seen

  private:
    void poll()
    {
        auto* dialog = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        if (dialog != current_) {
            current_ = dialog;
            ++opened;
            caption = dialog->windowTitle();
            instructions = dialog->findChild<QLabel*>("lblmess")->text();
            device = dialog->findChild<QLabel*>("lblPhase")->text();
            focused = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
            cancelled_ = false;
            if (pressOk)
                QTimer::singleShot(0, dialog->findChild<QPushButton*>("cmdOK"), &QPushButton::click);
            else
                QTimer::singleShot(0, dialog->findChild<QPushButton*>("cmdCancel"), &QPushButton::click);
            return;
        }
        maxProgress = std::max(maxProgress, dialog->progress());
        lastMessage = dialog->findChild<QLabel*>("lblmess")->text();
        const QString status = dialog->findChild<QLabel*>("lblmon")->text();
        if (!status.isEmpty() && (statusTexts.isEmpty() || statusTexts.back() != status))
            statusTexts << status;
        if (dialog->progress() > 0) {
            okDisabledWhileBusy = !dialog->findChild<QPushButton*>("cmdOK")->isEnabled();
            if (!closeRefusedWhileBusy) closeRefusedWhileBusy = !dialog->close() && dialog->isVisible();
        }
        if (cancelAtPercent >= 0 && !cancelled_ && dialog->progress() > cancelAtPercent) {
            cancelled_ = true;
            dialog->findChild<QPushButton*>("cmdCancel")->click();
        }
    }

    QTimer timer_;
    TransferDialog* current_ = nullptr;
    bool cancelled_ = false;
};

// Runs check on the first modal window of type W once it is open, then
// closes it (check may accept it instead).
template <typename W, typename Check>
void whenOpen(QTimer& timer, Check check)
{
    QObject::connect(&timer, &QTimer::timeout, [&timer, check] {
        auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
        if (!window) return;
        timer.stop();
        check(*window);
        if (window->isVisible()) window->reject();
    });
    timer.start(10);
}

QStringList rowTexts(const QTreeWidget& list, int row)
{
    QStringList texts;
    for (int column = 0; column < list.columnCount(); ++column)
        texts << list.topLevelItem(row)->text(column);
    return texts;
}

void pointPortAt(EditorFixture& editor, const Radio& radio)
{
    AppSettings settings(editor.settings);
    settings.setComNum(4);
    settings.setPortDevice(4, radio.device());
}

} // namespace

class TransferTest : public QObject {
    Q_OBJECT

  private slots:
    // Find Radio probes every device: one radio is chosen at once, among
    // several the user chooses, and none is told with what each device did.
    void findRadioChoosesTheRadio_data()
    {
        QTest::addColumn<int>("radios");
        QTest::newRow("one") << 1;
        QTest::newRow("none") << 0;
        QTest::newRow("several") << 2;
    }
    void findRadioChoosesTheRadio()
    {
        QFETCH(int, radios);
        EditorFixture editor(std::string("findRadio") + QTest::currentDataTag());
        for (const char* name : {"silent", "0", "1"})
            std::filesystem::create_directories(editor.folder / name);
        const Radio silent(editor.folder / "silent", {"--silent"});
        std::vector<std::unique_ptr<Radio>> answering;
        std::vector<SerialDevice> listed{silent.device()};
        for (int k = 0; k < radios; ++k) {
            answering.push_back(std::make_unique<Radio>(editor.folder / std::to_string(k)));
            listed.emplace_back(answering.back()->device());
        }
        editor.devices = [listed] { return listed; };
        editor.dialogs.choices.push_back(1);
        QVERIFY(editor.start());
        editor.window->actions().findRadio->trigger();
        const AppSettings settings(editor.settings);
        const std::string chosen = settings.portDevice(settings.comNum());
        if (radios == 0) {
            QCOMPARE(editor.messages.shown.back().text, std::string(msg::NoRadioFound));
            QCOMPARE(editor.messages.shown.back().detail,
                     std::string(msg::CheckRadioFound) + "\n" + silent.device() + ": no answer");
            QCOMPARE(chosen, std::string());
        } else if (radios == 1) {
            QCOMPARE(editor.messages.shown.back().text, std::string(msg::RadioFound));
            QCOMPARE(chosen, answering[0]->device());
        } else {
            QCOMPARE(editor.dialogs.itemsOffered,
                     (std::vector<std::string>{answering[0]->device(), answering[1]->device()}));
            QCOMPARE(chosen, answering[1]->device());
        }
    }

    void readRefreshesTreeAndClearsModified()
    {
        EditorFixture editor("read", "[model1]\nuse=1\natis=True\n");
        Radio radio(editor.folder, {"--poke", "0x0300=414243"});
        QVERIFY(!radio.device().empty());
        pointPortAt(editor, radio);
        QVERIFY(editor.start());
        const std::string saved = (editor.folder / "before.dat").string();
        editor.dialogs.paths.push_back(saved);
        editor.window->actions().fileSaveAs->trigger();
        editor.state.flags.modified = true;
        editor.messages.answer(MessageAnswer::No); // the edits are not saved first
        editor.window->selectNodeByKey("Common");
        DialogDriver driver;
        editor.window->actions().transferRead->trigger();
        QCOMPARE(driver.opened, 1);
        QCOMPARE(driver.caption, QString("Read from Radio"));
        QVERIFY(driver.instructions.startsWith("1.Connect the ZMP cable"));
        QCOMPARE(driver.maxProgress, 100);
        QVERIFY(driver.closeRefusedWhileBusy);
        QVERIFY(driver.okDisabledWhileBusy);
        QVERIFY2(editor.messages.texts().find("Complete!!") != std::string::npos,
                 editor.messages.texts().c_str());
        QVERIFY(!editor.state.flags.modified);
        QVERIFY(editor.state.currentFilePath.empty());
        QCOMPARE(editor.window->windowTitle(), QString("ZMP  PC Program for MR4400"));
        QCOMPARE(editor.window->tree().keyOf(editor.window->tree().selectedIndex()), std::string("General"));
        QCOMPARE(editor.state.image[0x0300], std::uint8_t(0x41));
        // The read is one step that undo can take back.
        QCOMPARE(editor.window->actions().editUndo->text(), QString("&Undo Read from Radio"));
    }

    // The dialog names the device before anything is sent to it.
    void cancelBeforeOkClosesWithoutTouchingThePort()
    {
        EditorFixture editor("cancelFirst", "[model1]\nuse=1\n");
        const std::string device = (editor.folder / "ttyCHOSEN").string();
        writeBytes(device, "");
        AppSettings(editor.settings).setComNum(16);
        AppSettings(editor.settings).setPortDevice(16, device);
        QVERIFY(editor.start());
        const std::size_t shown = editor.messages.shown.size();
        DialogDriver driver;
        driver.pressOk = false;
        editor.window->actions().transferRead->trigger();
        QCOMPARE(driver.opened, 1);
        QCOMPARE(driver.device, "Serial port: COM16  " + QString::fromStdString(device));
        QCOMPARE(editor.messages.shown.size(), shown);
        QCOMPARE(readBytes(device), std::string());
    }

    // A read would replace unsaved edits: the save question comes first, and
    // Cancel to it opens no transfer at all.
    void readAsksToSaveChangesFirst()
    {
        EditorFixture editor("readAsks", "[model1]\nuse=1\n");
        AppSettings(editor.settings).setComNum(16); // never opened
        QVERIFY(editor.start());
        editor.state.flags.modified = true;
        const std::size_t shown = editor.messages.shown.size();
        editor.messages.answer(MessageAnswer::Cancel);
        DialogDriver driver;
        driver.pressOk = false;
        editor.window->actions().transferRead->trigger();
        QCOMPARE(driver.opened, 0);
        QCOMPARE(editor.messages.shown.size(), shown + 1);
        QCOMPARE(editor.messages.shown.back().text, msg::exitQuestion());
        QVERIFY(editor.state.flags.modified);
    }

    void cancelDuringReadLeavesRecordsUnchanged()
    {
        EditorFixture editor("cancelRead", "[model1]\nuse=1\n");
        Radio radio(editor.folder, {"--poke", "0x0300=41"});
        pointPortAt(editor, radio);
        QVERIFY(editor.start());
        const MemoryImage before = editor.state.image;
        editor.state.flags.modified = true;
        editor.messages.answer(MessageAnswer::No); // the edits are not saved first
        DialogDriver driver;
        driver.cancelAtPercent = 5;
        // One press ends it: "Cancelled." and the dialog closes by itself. Should
        // it stay open, a second press (counted) keeps the test from hanging.
        int secondPresses = 0;
        QElapsedTimer idle;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->transfer().flags().CancelFlag || dialog->transfer().busy()) return;
            if (!idle.isValid()) idle.start();
            if (idle.elapsed() < 10'000) return;
            ++secondPresses;
            dialog->reject();
        });
        closer.start(20);
        editor.window->actions().transferRead->trigger();
        QCOMPARE(secondPresses, 0);
        QCOMPARE(driver.lastMessage, QString("Cancelled."));
        QVERIFY(driver.maxProgress > 5);
        QVERIFY(driver.maxProgress < 100);
        QVERIFY(editor.state.image.bytes == before.bytes);
        QVERIFY(editor.state.flags.modified);
        QVERIFY(editor.messages.texts().find("Complete!!") == std::string::npos);
    }

    void debugModeShowsTheStatusLine()
    {
        EditorFixture editor("debugRead", "[model1]\nuse=1\n", true);
        Radio radio(editor.folder);
        pointPortAt(editor, radio);
        QVERIFY(editor.start());
        DialogDriver driver;
        editor.window->actions().transferRead->trigger();
        QVERIFY2(driver.statusTexts.contains("startsync..."), qPrintable(driver.statusTexts.join('|')));
        QVERIFY(driver.statusTexts.contains("sync ok"));
        QCOMPARE(driver.maxProgress, 100);
    }

    // A radio that cannot be reached, or is lost half-way, leaves the
    // dialog open for another try, naming the device OK tries again
    // instead of a wait or a percentage that are over.
    void failedTransferKeepsDialogOpen_data()
    {
        QTest::addColumn<bool>("withRadio");
        QTest::addColumn<QStringList>("faults");
        QTest::newRow("no such device") << false << QStringList{};
        QTest::newRow("radio silent") << true << QStringList{"--silent"};
        QTest::newRow("line dropped half-way") << true << QStringList{"--hangup-after", "40"};
    }

    void failedTransferKeepsDialogOpen()
    {
        QFETCH(bool, withRadio);
        QFETCH(QStringList, faults);
        EditorFixture editor("noRadio", "[model1]\nuse=1\n");
        std::optional<Radio> radio;
        if (withRadio) {
            std::vector<std::string> extra;
            for (const QString& fault : faults)
                extra.push_back(fault.toStdString());
            radio.emplace(editor.folder, extra);
            pointPortAt(editor, *radio);
        } else {
            AppSettings settings(editor.settings);
            settings.setComNum(5);
            settings.setPortDevice(5, (editor.folder / "no-such-device").string());
        }
        QVERIFY(editor.start());
        const std::size_t before = editor.messages.shown.size();
        DialogDriver driver;
        bool okAgain = false;
        QString phaseAfter;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
            if (!dialog || editor.messages.shown.size() == before || dialog->transfer().busy()) return;
            okAgain = dialog->findChild<QPushButton*>("cmdOK")->isEnabled();
            phaseAfter = dialog->findChild<QLabel*>("lblPhase")->text();
            dialog->findChild<QPushButton*>("cmdCancel")->click();
        });
        closer.start(20);
        editor.window->actions().transferRead->trigger();
        QVERIFY(editor.messages.shown.size() > before);
        QVERIFY(okAgain);
        QVERIFY(!driver.device.isEmpty());
        QCOMPARE(phaseAfter, driver.device);
        QVERIFY(editor.window->isEnabled());
    }

    // The box keeps its own text and names the device and the reason below it.
    void portErrorNamesTheDeviceAndTheReason()
    {
        EditorFixture editor("portError", "[model1]\nuse=1\n");
        const std::string device = (editor.folder / "no-such-device").string();
        AppSettings settings(editor.settings);
        settings.setComNum(5);
        settings.setPortDevice(5, device);
        QVERIFY(editor.start());
        const std::size_t before = editor.messages.shown.size();
        DialogDriver driver;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
            if (dialog && editor.messages.shown.size() > before && !dialog->transfer().busy())
                dialog->findChild<QPushButton*>("cmdCancel")->click();
        });
        closer.start(20);
        editor.window->actions().transferRead->trigger();
        QCOMPARE(editor.messages.shown.size(), before + 1);
        const Message& shown = editor.messages.shown.back();
        QCOMPARE(shown.text, std::string("port inicialize error!!"));
        QCOMPARE(shown.title, std::string("Read from Radio"));
        const std::string expected = device + ": " + std::strerror(ENOENT);
        QVERIFY2(shown.detail.rfind(expected, 0) == 0, shown.detail.c_str());
    }

    void programWritesTheEditedRecords()
    {
        EditorFixture editor("program", "[model1]\nuse=1\natis=True\n");
        Radio radio(editor.folder);
        pointPortAt(editor, radio);
        QVERIFY(editor.start());
        editor.state.records.usa[0].ChTag = "HARBOUR";
        editor.state.records.userMmsi = "2111111110";
        editor.state.flags.modified = true;
        DialogDriver driver;
        editor.window->actions().toolButton("Program")->trigger();
        QCOMPARE(driver.caption, QString("Program to Radio"));
        // Space starts it, as in every transfer, rather than unticking the verify.
        QCOMPARE(driver.focused, QString("cmdOK"));
        QCOMPARE(driver.maxProgress, 100);
        QVERIFY2(editor.messages.texts().find("Complete!!") != std::string::npos,
                 editor.messages.texts().c_str());
        // A program leaves the file name and the modified flag alone.
        QVERIFY(editor.state.flags.modified);
        const std::string dump = radio.stopAndDump();
        QCOMPARE(dump.size(), std::size_t(ImageSize));
        MemoryImage radioImage;
        std::copy(dump.begin(), dump.end(), radioImage.bytes.begin());
        Records inRadio;
        ImageCodec::decode(radioImage, inRadio);
        QCOMPARE(inRadio.usa[0].ChTag.substr(0, 7), std::string("HARBOUR"));
    }

    void readAndProgramAreKeptAndABackupOpensUnsaved()
    {
        EditorFixture editor("backups", "[model1]\nuse=1\natis=True\n");
        Radio radio(editor.folder, {"--poke", "0x0133=58595A"});
        pointPortAt(editor, radio);
        QVERIFY(editor.start());
        // A driver for each dialog: the second may take the first one's address.
        {
            DialogDriver driver;
            editor.window->actions().transferRead->trigger();
        }
        editor.state.records.userMmsi = "366123456";
        {
            DialogDriver driver;
            editor.window->actions().transferProgram->trigger();
        }
        const BackupStore store(editor.folder / "backups");
        const auto entries = store.entries();
        QCOMPARE(entries.size(), std::size_t(2));
        QCOMPARE(entries[0].operation, std::string("read"));
        QCOMPARE(entries[0].port, radio.device());
        QCOMPARE(entries[1].operation, std::string("programmed"));
        QCOMPARE(entries[1].mmsi, std::string("366123456"));
        QCOMPARE(entries[1].outcome, std::string("complete"));
        // The programmed backup holds what the radio received.
        QCOMPARE(readBytes(store.imagePath(entries[1])).substr(0x0800, 0x3E00),
                 radio.stopAndDump().substr(0x0800, 0x3E00));

        editor.state.records.groups[0].StatusName = "NEW";
        editor.state.currentFilePath = (editor.folder / "mine.dat").string();
        QStringList newest;
        int rows = 0;
        QTimer timer;
        whenOpen<BackupsDialog>(timer, [&](BackupsDialog& dialog) {
            auto* list = dialog.findChild<QTreeWidget*>("lstBackups");
            rows = list->topLevelItemCount();
            newest = rowTexts(*list, 0);
            list->setCurrentItem(list->topLevelItem(1));
            dialog.findChild<QPushButton*>("cmdOpen")->click();
        });
        editor.window->actions().fileBackups->trigger();
        QCOMPARE(rows, 2);
        QCOMPARE(newest.mid(1, 2), QStringList({"programmed", "366123456"}));
        QCOMPARE(newest[0], BackupsDialog::localTime(entries[1].time));
        QCOMPARE(editor.state.records.groups[0].StatusName.substr(0, 3), std::string("XYZ"));
        QVERIFY(editor.state.currentFilePath.empty());
        QVERIFY(editor.state.flags.modified);
    }

    // A fresh radio against the editor: the window opens beside the editor
    // once the read is done, names what differs as the pages do and leaves
    // the editor as it was.
    void compareShowsWhatDiffersAndLeavesTheEditorAlone()
    {
        EditorFixture editor("compare", "[model1]\nuse=1\natis=True\n");
        Radio radio(editor.folder, {"--poke", "0x0133=58595A"});
        pointPortAt(editor, radio);
        QVERIFY(editor.start());
        editor.state.flags.modified = true;
        const Records records = editor.state.records;
        const QString name = QString::fromStdString(records.groups[0].StatusName).trimmed();
        DialogDriver driver;
        editor.window->actions().transferCompare->trigger();
        QCOMPARE(driver.opened, 1);
        auto* window = editor.window->findChild<CompareWindow*>("frmCompare");
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QString("Compare with Radio"));
        const auto found = window->findChild<QTreeWidget*>("lstDifferences")
                               ->findItems("Group1: Status Name", Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0]->parent()->text(0) + "|" + found[0]->text(1) + "|" + found[0]->text(2),
                 "Usable CH Group Setup|XYZ|" + name);
        QVERIFY(editor.state.records == records);
        QVERIFY(editor.state.flags.modified);
        QCOMPARE(BackupStore(editor.folder / "backups").entries().size(), std::size_t(1));
    }
};

QTEST_MAIN(TransferTest)
#include "tst_transfer.moc"
