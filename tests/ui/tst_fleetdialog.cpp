// File > Program a Fleet…: the dialog against emulated radios on
// pseudo-terminals, through the real serial-port adapter.
#include <QtTest>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include <memory>
#include <vector>

#include "image/newimage.h"
#include "model/models.h"
#include "platform/qtserialport.h"
#include "platform/serialportnames.h"
#include "radiosim/radioimage.h"
#include "support/filebytes.h"
#include "support/runningradio.h"
#include "support/scratchfolder.h"
#include "ui/fleetdialog.h"

using namespace zmp;

namespace {

constexpr int RunTimeoutMs = 120000;

// The editor's configuration, the radios and the dialog on them.
struct FleetRig {
    explicit FleetRig(int radios) : folder(test::scratchFolder())
    {
        makeNewImage(ModelMr4400, records, image);
        for (int i = 0; i < radios; ++i)
            running.push_back(std::make_unique<test::RunningRadio>(radiosim::RadioImage::fresh()));
        QStringList devices;
        for (const auto& radio : running)
            devices << QString::fromStdString(radio->devicePath());
        dialog = std::make_unique<FleetDialog>(
            FleetDialogContext{records,
                               image,
                               ModelMr4400,
                               true,
                               {},
                               [](const std::string& device) {
                                   auto port = std::make_unique<QtSerialPort>(SerialPortNames(nullptr));
                                   port->setDevicePath(device);
                                   return port;
                               },
                               {},
                               {},
                               (folder / "backups").string(),
                               {},
                               {},
                               true});
        field("txtFleetPorts")->setText(devices.join(QLatin1Char(' ')));
        field("txtFleetLog")->setText(QString::fromStdString((folder / "log.csv").string()));
        dialog->findChild<QCheckBox*>(QStringLiteral("chkFleetAcceptWarnings"))->setChecked(true);
    }

    QLineEdit* field(const char* name) const { return dialog->findChild<QLineEdit*>(QLatin1String(name)); }
    void start(const std::string& list)
    {
        test::writeBytes(folder / "fleet.csv", list);
        field("txtFleetList")->setText(QString::fromStdString((folder / "fleet.csv").string()));
        dialog->findChild<QPushButton*>(QStringLiteral("cmdFleetStart"))->click();
    }
    QString state(int row) const { return table()->item(row, 4)->text(); }
    QString reason(int row) const { return table()->item(row, 6)->text(); }
    QTableWidget* table() const { return dialog->findChild<QTableWidget*>(QStringLiteral("tblFleet")); }
    QString status() const { return dialog->findChild<QLabel*>(QStringLiteral("lblFleetStatus"))->text(); }

    std::filesystem::path folder;
    Records records;
    MemoryImage image;
    std::vector<std::unique_ptr<test::RunningRadio>> running;
    std::unique_ptr<FleetDialog> dialog;
};

} // namespace

class FleetDialogTest : public QObject {
    Q_OBJECT

  private slots:
    // Alt and a label's underlined letter go to its field.
    void everyLabelMnemonicHasAField()
    {
        FleetRig rig(0);
        for (const QLabel* label : rig.dialog->findChildren<QLabel*>()) {
            const QString text = QString(label->text()).remove(QStringLiteral("&&"));
            if (text.contains(QLatin1Char('&'))) QVERIFY2(label->buddy(), qPrintable(label->text()));
        }
    }

    void programsARadioOnEachPortAndTellsHowEachEnded()
    {
        FleetRig rig(2);
        rig.start("Label,User MMSI\r\nSea Breeze,366123456\r\nTern,366123457\r\n");
        QVERIFY(rig.dialog->running());
        QTRY_VERIFY_WITH_TIMEOUT(!rig.dialog->running(), RunTimeoutMs);
        QCOMPARE(rig.state(0), QStringLiteral("complete"));
        QCOMPARE(rig.state(1), QStringLiteral("complete"));
        QVERIFY2(rig.reason(0).startsWith(QStringLiteral("backup ")), qPrintable(rig.reason(0)));
        QCOMPARE(rig.table()->cellWidget(1, 5)->property("value").toInt(), 100);
        QCOMPARE(rig.status(), QStringLiteral("2 radios: 2 complete"));
        const std::string log = test::readBytes(rig.folder / "log.csv");
        QCOMPARE(std::count(log.begin(), log.end(), '\n'), 3);
        FleetLogLock next;
        std::string reason;
        QVERIFY2(next.lock((rig.folder / "log.csv").string(), reason), reason.c_str()); // the run let it go
    }

    // Two runs on one log would each rewrite it whole and program the same radios.
    void aLogAnotherRunHoldsTouchesNoRadio()
    {
        FleetRig rig(1);
        FleetLogLock other;
        std::string reason;
        QVERIFY(other.lock((rig.folder / "log.csv").string(), reason));
        rig.start("Label,User MMSI\r\nSea Breeze,366123456\r\n");
        QVERIFY(!rig.dialog->running());
        QVERIFY2(rig.status().contains(QStringLiteral("in use by another fleet program")),
                 qPrintable(rig.status()));
        rig.running.front()->stop();
        QVERIFY(rig.running.front()->sim.protocol().requests().empty());
    }

    void refusedListTouchesNoRadio()
    {
        FleetRig rig(1);
        rig.start("Label,User MMSI\r\nSea Breeze,366123456\r\nTern,366123456\r\n");
        QVERIFY(!rig.dialog->running());
        QVERIFY2(
            rig.status().contains(QStringLiteral("line 3, column User MMSI: 366123456 is also on line 2\n")),
            qPrintable(rig.status()));
        QVERIFY2(rig.status().endsWith(QStringLiteral("refused: 1 error, 1 warning")),
                 qPrintable(rig.status()));
        QCOMPARE(rig.table()->rowCount(), 0);
        rig.running.front()->stop();
        QVERIFY(rig.running.front()->sim.protocol().requests().empty());
    }

    // Cancel stops the radio being programmed cleanly, starts no other, and
    // leaves the dialog open with the advice; a second press closes it.
    void cancelStopsTheRunningRadioAndSaysWhatToDo()
    {
        FleetRig rig(1);
        rig.dialog->show();
        rig.start("Label,User MMSI\r\nSea Breeze,366123456\r\nTern,366123457\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(rig.state(0), QStringLiteral("programming"), RunTimeoutMs);
        QTest::keyClick(rig.dialog.get(), Qt::Key_Escape);
        QVERIFY(rig.dialog->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!rig.dialog->running(), RunTimeoutMs);
        QCOMPARE(rig.state(0), QStringLiteral("cancelled"));
        QVERIFY2(rig.reason(0).contains(QStringLiteral("may hold a partly written configuration")),
                 qPrintable(rig.reason(0)));
        QCOMPARE(rig.state(1), QStringLiteral("not programmed"));
        QVERIFY2(
            rig.status().startsWith(QStringLiteral("2 radios: 1 cancelled, 1 not programmed\nA radio that "
                                                   "failed or was cancelled may hold")),
            qPrintable(rig.status()));
        QVERIFY(rig.dialog->isVisible());
        QTest::keyClick(rig.dialog.get(), Qt::Key_Escape);
        QVERIFY(!rig.dialog->isVisible());
    }
};

QTEST_MAIN(FleetDialogTest)
#include "tst_fleetdialog.moc"
