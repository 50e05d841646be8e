// Edits made through the pages survive saving the configuration file and
// opening it again.
#include <QtTest>

#include <QCheckBox>
#include <QLineEdit>

#include "ui/filemenuhandler.h"
#include "ui/mainwindow.h"
#include "ui/nodetree.h"
#include "uitestsupport.h"

using namespace zmp;
using namespace zmp::test;

namespace {

void retype(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void compareChannels(const ChannelTable& a, const ChannelTable& b, bool exp)
{
    QCOMPARE(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        QCOMPARE(a[i].Enable, b[i].Enable);
        QCOMPARE(a[i].LowPower, b[i].LowPower);
        QCOMPARE(a[i].PowUp, b[i].PowUp);
        QCOMPARE(a[i].ScanMemory, b[i].ScanMemory);
        QCOMPARE(a[i].ChTag, b[i].ChTag);
        if (!exp) {
            QCOMPARE(a[i].Duplex, b[i].Duplex);
            QCOMPARE(a[i].TxEnable, b[i].TxEnable);
            continue;
        }
        QCOMPARE(a[i].CHDisplayL, b[i].CHDisplayL);
        QCOMPARE(a[i].CHDisplayR, b[i].CHDisplayR);
        QCOMPARE(a[i].Rxfreq, b[i].Rxfreq);
        QCOMPARE(a[i].Txfreq, b[i].Txfreq);
    }
}

void compareDirectories(const Directory& a, const Directory& b)
{
    QCOMPARE(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        QCOMPARE(a[i].Enable, b[i].Enable);
        QCOMPARE(a[i].TagName, b[i].TagName);
        QCOMPARE(a[i].Mmsid, b[i].Mmsid);
    }
}

} // namespace

class PagesRoundTripTest : public QObject {
    Q_OBJECT

  private slots:
    void editsThroughThePagesSurviveSaveAndOpen()
    {
        EditorFixture editor("roundTrip");
        writeDestination(editor.folder, "USA_1130.ini", ModelMr4400);
        QVERIFY(editor.start());
        MainWindow& window = *editor.window;
        Records& records = editor.state.records;
        records.groups[ExpCh].Enable = true;
        window.refreshTree();

        window.selectNodeByKey("PU32");
        window.findChild<QCheckBox*>("chkCScan")->click();
        retype(window.findChild<QLineEdit*>("txtCTag"), "CALL 16");
        window.selectNodeByKey("PU45");
        window.findChild<QCheckBox*>("chkCTXEnable")->click();

        window.selectNodeByKey("PW");
        window.findChild<QCheckBox*>("chkDEnable_3")->click();
        retype(window.findChild<QLineEdit*>("txtDTagName_0"), "NOAA ONE");

        window.selectNodeByKey("SM1");
        window.findChild<QCheckBox*>("chkGEnable")->click();
        retype(window.findChild<QLineEdit*>("txtGPosi"), "HARBOUR");
        retype(window.findChild<QLineEdit*>("txtGMMSI"), "366123456");
        window.selectNodeByKey("SG1");
        window.findChild<QCheckBox*>("chkGEnable")->click();
        retype(window.findChild<QLineEdit*>("txtGPosi"), "FLEET");
        retype(window.findChild<QLineEdit*>("txtGMMSI"), "12345678");

        window.selectNodeByKey("E1");
        if (!records.exp[0].Enable) window.findChild<QCheckBox*>("chkCEnable")->click();
        retype(window.findChild<QLineEdit*>("txtCNE_0"), "7");
        retype(window.findChild<QLineEdit*>("txtCNE_1"), "1");
        retype(window.findChild<QLineEdit*>("txtCNE_2"), "A");
        retype(window.findChild<QLineEdit*>("txtCRF"), "157.425");
        retype(window.findChild<QLineEdit*>("txtCTF"), "161.6");
        window.selectNodeByKey("General");
        QCOMPARE(window.tree().keyOf(window.tree().selectedIndex()), std::string("General"));

        QVERIFY(records.usa[32].ChTag == "CALL 16");
        QVERIFY(!records.usa[45].TxEnable);
        QVERIFY(!records.wx[3].Enable);
        QCOMPARE(records.memoryId[0].Mmsid, std::string("366123456"));
        QCOMPARE(records.groupId[0].Mmsid, std::string("012345678"));
        QCOMPARE(records.groupId[0].TagName, std::string("FLEET"));
        QCOMPARE(records.exp[0].CHDisplayL, std::string("71"));
        QCOMPARE(records.exp[0].Rxfreq, 157.425);
        QVERIFY(editor.state.flags.modified);

        const std::string path = (editor.folder / "edited.dat").string();
        editor.dialogs.paths.push_back(path);
        window.fileMenu().saveAs();
        QVERIFY(!editor.state.flags.ErrorFlag);
        QVERIFY(!editor.state.flags.modified);
        const Records saved = records;

        editor.dialogs.paths.push_back(path);
        window.fileMenu().open();
        QVERIFY(!editor.state.flags.ErrorFlag);
        compareChannels(records.usa, saved.usa, false);
        compareChannels(records.intl, saved.intl, false);
        compareChannels(records.can, saved.can, false);
        compareChannels(records.wx, saved.wx, false);
        compareChannels(records.exp, saved.exp, true);
        compareDirectories(records.memoryId, saved.memoryId);
        compareDirectories(records.groupId, saved.groupId);
    }
};

QTEST_MAIN(PagesRoundTripTest)
#include "tst_pagesroundtrip.moc"
