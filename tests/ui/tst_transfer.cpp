// Read from Radio and Program to Radio through the transfer dialog, against
// the radio emulator on a pseudo-terminal.
#include <QtTest>

#include <QAction>
#include <QLabel>
#include <QProcess>
#include <QPushButton>

#include "files/appsettings.h"
#include "image/imagecodec.h"
#include "ui/mainactions.h"
#include "ui/mainwindow.h"
#include "ui/nodetree.h"
#include "ui/transferdialog.h"
#include "uitestsupport.h"

using namespace zmp;
using namespace zmp::test;

namespace {

// zmp-radio-sim in its own process; the device path is its first line.
class Radio {
  public:
    explicit Radio(const std::filesystem::path& folder, const QStringList& extra = {})
        : dump_(folder / "radio-dump.bin")
    {
        const std::filesystem::path sim =
            std::filesystem::path(std::getenv("ZMP_PROGRAM_DIR")) / "zmp-radio-sim";
        process_.start(QString::fromStdString(sim.string()),
                       QStringList{"--baud", "0", "--dump", QString::fromStdString(dump_.string())} + extra);
        if (process_.waitForStarted(5000) && process_.waitForReadyRead(5000))
            device_ = QString::fromUtf8(process_.readLine()).trimmed().toStdString();
    }
    ~Radio() { stop(); }

    const std::string& device() const { return device_; }
    // Ends the emulator, which writes its memory to the dump file.
    std::string stopAndDump()
    {
        stop();
        return readBytes(dump_);
    }

  private:
    void stop()
    {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
    }

    std::filesystem::path dump_;
    QProcess process_;
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
    int opened = 0;
    QStringList statusTexts;

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
            cancelled_ = false;
            if (pressOk)
                QTimer::singleShot(0, dialog->findChild<QPushButton*>("cmdOK"), &QPushButton::click);
            else
                QTimer::singleShot(0, dialog->findChild<QPushButton*>("cmdCancel"), &QPushButton::click);
            return;
        }
        maxProgress = std::max(maxProgress, dialog->progress());
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
        QVERIFY(!editor.state.flags.CompletedFlag);
        QVERIFY(editor.state.currentFilePath.empty());
        QCOMPARE(editor.window->windowTitle(), QString("ZMP  PC Program for MR4400"));
        QCOMPARE(editor.window->tree().keyOf(editor.window->tree().selectedIndex()), std::string("General"));
        QCOMPARE(editor.state.image[0x0300], std::uint8_t(0x41));
    }

    void cancelBeforeOkClosesWithoutTouchingThePort()
    {
        EditorFixture editor("cancelFirst", "[model1]\nuse=1\n");
        AppSettings(editor.settings).setComNum(16); // no such device
        QVERIFY(editor.start());
        const std::size_t shown = editor.messages.shown.size();
        DialogDriver driver;
        driver.pressOk = false;
        editor.window->actions().transferRead->trigger();
        QCOMPARE(driver.opened, 1);
        QCOMPARE(editor.messages.shown.size(), shown);
        QVERIFY(!editor.state.flags.BusyFlag);
    }

    void cancelDuringReadLeavesRecordsUnchanged()
    {
        EditorFixture editor("cancelRead", "[model1]\nuse=1\n");
        Radio radio(editor.folder, {"--poke", "0x0300=41"});
        pointPortAt(editor, radio);
        QVERIFY(editor.start());
        const MemoryImage before = editor.state.image;
        editor.state.flags.modified = true;
        DialogDriver driver;
        driver.cancelAtPercent = 5;
        // The dialog stays open after the cancelled read; the second press closes it.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
            if (dialog && editor.state.flags.CancelFlag && !editor.state.flags.BusyFlag)
                dialog->findChild<QPushButton*>("cmdCancel")->click();
        });
        closer.start(20);
        editor.window->actions().transferRead->trigger();
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

    void unreachableRadioKeepsDialogOpen()
    {
        EditorFixture editor("noRadio", "[model1]\nuse=1\n");
        AppSettings settings(editor.settings);
        settings.setComNum(5);
        settings.setPortDevice(5, (editor.folder / "no-such-device").string());
        QVERIFY(editor.start());
        const std::size_t before = editor.messages.shown.size();
        DialogDriver driver;
        bool okAgain = false;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
            if (!dialog || editor.messages.shown.size() == before || editor.state.flags.BusyFlag) return;
            okAgain = dialog->findChild<QPushButton*>("cmdOK")->isEnabled();
            dialog->findChild<QPushButton*>("cmdCancel")->click();
        });
        closer.start(20);
        editor.window->actions().transferRead->trigger();
        QVERIFY(editor.messages.shown.size() > before);
        QVERIFY(okAgain);
        QVERIFY(!editor.state.flags.BusyFlag);
        QVERIFY(editor.window->isEnabled());
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
};

QTEST_MAIN(TransferTest)
#include "tst_transfer.moc"
