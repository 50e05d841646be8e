// The channel grids, the directory grids and the weather page, alone and
// in the main window with their jumps, node texts and hints.
#include <QtTest>

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableView>

#include "image/newimage.h"
#include "message/messagetexts.h"
#include "ui/directorygridpage.h"
#include "ui/expgridpage.h"
#include "ui/groupgridpage.h"
#include "ui/mainwindow.h"
#include "ui/nodetree.h"
#include "ui/twips.h"
#include "ui/weatherpage.h"
#include "uitestsupport.h"

using namespace zmp;
using namespace zmp::test;

namespace {

struct PageState {
    PageState() { makeNewImage(ModelMr4400, state.records, state.image); }
    PageContext context() { return {state, messages}; }
    EditorState state;
    ScriptedMessages messages;
};

QString cell(QTableView* grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

QStringList headers(QTableView* grid)
{
    QStringList texts;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        texts << grid->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    return texts;
}

struct Editor {
    explicit Editor(const char* name) : fixture(name)
    {
        writeDestination(fixture.folder, "USA_1130.ini", ModelMr4400);
        if (!fixture.start()) qFatal("start-up failed");
        fixture.window->show();
        if (!QTest::qWaitForWindowExposed(fixture.window.get())) qFatal("window not shown");
    }
    MainWindow& window() { return *fixture.window; }
    std::string selectedKey() { return window().tree().keyOf(window().tree().selectedIndex()); }
    QString shownPage()
    {
        return window().findChild<QStackedWidget*>("pageStack")->currentWidget()->objectName();
    }
    QTableView* grid(const char* pageName, const char* gridName)
    {
        return window().findChild<QWidget*>(pageName)->findChild<QTableView*>(gridName);
    }
    void doubleClickRow(QTableView* view, int row)
    {
        view->scrollTo(view->model()->index(row, 0));
        const QRect rect = view->visualRect(view->model()->index(row, 0));
        // An item view takes a double-click only on the item the press went to.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }
    EditorFixture fixture;
};

} // namespace

class GridPagesTest : public QObject {
    Q_OBJECT

  private slots:
    void groupGridListsTheEnabledChannels()
    {
        PageState s;
        s.state.records.usa[40].Duplex = true; // channel 20
        GroupGridPage page(s.context(), nullptr);
        page.fill("PU");
        QTableView* grid = page.findChild<QTableView*>("MSFlexGrid1");
        QCOMPARE(grid->model()->rowCount(), 51);
        QCOMPARE(headers(grid),
                 QStringList({"CH", "RX[MHz]", "TX[MHz]", "TX", "LOW", "UP", "DUP", "MEM", "CH Name"}));
        QCOMPARE(cell(grid, 0, 0), QString("01A"));
        int row15 = -1;
        int row20 = -1;
        for (int r = 0; r < grid->model()->rowCount(); ++r) {
            if (cell(grid, r, 0) == "15") row15 = r;
            if (cell(grid, r, 0) == "20") row20 = r;
        }
        QCOMPARE(cell(grid, row15, 2), QString("---.---"));
        QCOMPARE(cell(grid, row15, 3), QString("--"));
        QCOMPARE(cell(grid, row20, 1), QString("161.600"));
        QCOMPARE(cell(grid, row20, 6), QString("DUP"));
        QCOMPARE(cell(grid, row20, 8), QString("PORT OPR"));
        QCOMPARE(grid->columnWidth(0), twipsToPixels(800, page.logicalDpiX()));
        QCOMPARE(grid->columnWidth(8), twipsToPixels(2000, page.logicalDpiX()));
        QCOMPARE(grid->property("helpContext").toInt(), 1077);
        QCOMPARE(grid->property("statusHint").toString(), QString(msg::GridHint));
        page.fill("PC");
        QCOMPARE(grid->model()->rowCount(), 59);
        QVERIFY(!s.state.flags.modified);
    }

    void emptyGroupShowsOnlyTheHeaderAndJumpsNowhere()
    {
        PageState s;
        for (ChannelRecord& ch : s.state.records.intl)
            ch.Enable = false;
        GroupGridPage page(s.context(), nullptr);
        page.show();
        QSignalSpy jumps(&page, &Page::nodeJumpRequested);
        page.fill("PI");
        QTableView* grid = page.findChild<QTableView*>("MSFlexGrid1");
        QCOMPARE(grid->model()->rowCount(), 0);
        QTest::mouseDClick(grid->horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier,
                           QPoint(5, 5));
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(jumps.count(), 0);
    }

    void expGridShowsAllRecords()
    {
        PageState s;
        ChannelRecord& ch = s.state.records.exp[1];
        ch.Enable = true;
        ch.CHDisplayL = "12";
        ch.CHDisplayR = "B";
        ch.Rxfreq = 157.425;
        ch.LowPower = true;
        ExpGridPage page(s.context(), nullptr);
        page.fill("ExpChannel");
        QTableView* grid = page.findChild<QTableView*>("MSFlexGrid1");
        QCOMPARE(grid->model()->rowCount(), 64);
        QCOMPARE(headers(grid),
                 QStringList({"CH", "ENABLE", "DISP", "RX[MHz]", "TX[MHz]", "LOW", "UP", "MEM", "CH Name"}));
        QCOMPARE(cell(grid, 1, 0), QString("2"));
        QCOMPARE(cell(grid, 1, 1), QString("[Enable]"));
        QCOMPARE(cell(grid, 1, 2), QString("12B"));
        QCOMPARE(cell(grid, 1, 3), QString("157.4250"));
        QCOMPARE(cell(grid, 1, 5), QString("LOW"));
        QCOMPARE(cell(grid, 63, 0), QString("64"));
    }

    void directoryGridsShowEverySlot()
    {
        PageState s;
        s.state.records.memoryId[0] = {true, "HOME", "2111111110", {}};
        DirectoryGridPage page(s.context(), nullptr);
        page.fill("SM");
        QTableView* grid = page.findChild<QTableView*>("MSFlexGrid2");
        QCOMPARE(grid->model()->rowCount(), 80);
        QCOMPARE(headers(grid), QStringList({"No.", "STATION NAME", "MMSI"}));
        QCOMPARE(cell(grid, 0, 0), QString("1"));
        QCOMPARE(cell(grid, 0, 1), QString("HOME"));
        QCOMPARE(cell(grid, 0, 2), QString("211111111"));
        QCOMPARE(cell(grid, 1, 2), QString("         "));
        QCOMPARE(grid->columnWidth(2), twipsToPixels(2150, page.logicalDpiX()));
        page.fill("SG");
        QCOMPARE(grid->model()->rowCount(), 32);
        QCOMPARE(headers(grid).at(1), QString("GROUP NAME"));
    }

    void weatherPageStoresEveryChange()
    {
        PageState s;
        s.state.records.wx[2].ScanMemory = true;
        WeatherPage page(s.context(), nullptr);
        page.show();
        page.fill("PW");
        QVERIFY(!s.state.flags.modified);
        QCOMPARE(page.findChild<QLabel*>("lblD_0")->text(), QString("WX01[162.550MHz]"));
        QCOMPARE(page.findChild<QLabel*>("lblD_9")->text(), QString("WX10[163.275MHz]"));
        auto* enable = page.findChild<QCheckBox*>("chkDEnable_2");
        auto* scan = page.findChild<QCheckBox*>("chkDScan_2");
        auto* name = page.findChild<QLineEdit*>("txtDTagName_2");
        QVERIFY(enable->isChecked());
        QVERIFY(scan->isChecked());
        QVERIFY(name->isEnabled());
        QCOMPARE(enable->property("helpContext").toInt(), 1028);
        QCOMPARE(scan->property("helpContext").toInt(), 1033);
        QCOMPARE(name->property("helpContext").toInt(), 1034);
        QCOMPARE(enable->property("statusHint").toString(), QString(msg::WeatherEnableHint));
        QCOMPARE(name->maxLength(), 16);
        enable->click();
        QVERIFY(!s.state.records.wx[2].Enable);
        QVERIFY(!scan->isEnabled());
        QVERIFY(!name->isEnabled());
        QVERIFY(s.state.flags.modified);
        enable->click();
        scan->click();
        QVERIFY(!s.state.records.wx[2].ScanMemory);
        QTest::keyClicks(name, "NOAA_#3");
        QCOMPARE(s.state.records.wx[2].ChTag, std::string("NOAA_#3"));
        page.fill("PW");
        QVERIFY(!scan->isChecked());
        QCOMPARE(name->text(), QString("NOAA_#3"));
    }

    void groupGridRowJumpsToItsChannelNode()
    {
        Editor editor("groupJump");
        editor.window().selectNodeByKey("PU");
        QCOMPARE(editor.shownPage(), QString("pageGroupGrid"));
        QTableView* grid = editor.grid("pageGroupGrid", "MSFlexGrid1");
        int row16 = -1;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            if (cell(grid, r, 0) == "16") row16 = r;
        QVERIFY(row16 >= 0);
        editor.doubleClickRow(grid, row16);
        QCOMPARE(editor.selectedKey(), std::string("PU32"));
        QCOMPARE(editor.shownPage(), QString("pictC"));
        QCOMPARE(editor.window().findChild<QLineEdit*>("txtCN_0")->text(), QString("16"));
    }

    void enterInTheExpAndDirectoryGridsJumps()
    {
        Editor editor("enterJump");
        editor.fixture.state.records.groups[ExpCh].Enable = true;
        editor.window().refreshTree();
        editor.window().selectNodeByKey("ExpChannel");
        QCOMPARE(editor.shownPage(), QString("pageExpGrid"));
        QTableView* exp = editor.grid("pageExpGrid", "MSFlexGrid1");
        exp->setFocus();
        exp->setCurrentIndex(exp->model()->index(4, 0));
        QTest::keyClick(exp, Qt::Key_Return);
        QCOMPARE(editor.selectedKey(), std::string("E5"));
        QCOMPARE(editor.shownPage(), QString("pictC"));

        editor.window().selectNodeByKey("SG");
        QTableView* directory = editor.grid("pageDirectoryGrid", "MSFlexGrid2");
        directory->setCurrentIndex(directory->model()->index(0, 0));
        QTest::keyClick(directory, Qt::Key_Enter);
        QCOMPARE(editor.selectedKey(), std::string("SG1"));
        QCOMPARE(editor.shownPage(), QString("pictG"));
    }

    // Tab leaves a grid as in every view, both ways; the arrows still move
    // inside it.
    void tabLeavesEveryGrid_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("gridName");
        QTest::newRow("group") << "PU"
                               << "pageGroupGrid"
                               << "MSFlexGrid1";
        QTest::newRow("directory") << "SM"
                                   << "pageDirectoryGrid"
                                   << "MSFlexGrid2";
    }
    void tabLeavesEveryGrid()
    {
        QFETCH(QString, key);
        QFETCH(QString, page);
        QFETCH(QString, gridName);
        Editor editor("gridTab");
        editor.window().selectNodeByKey(key.toStdString());
        QTableView* grid = editor.grid(page.toUtf8().constData(), gridName.toUtf8().constData());
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(grid->currentIndex().row(), 1);
        QTest::keyClick(grid, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != grid);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Backtab);
        QVERIFY(QApplication::focusWidget() != grid);
    }

    void enabledExpChannelWithoutFrequencyKeepsItsNode()
    {
        Editor editor("expLeave");
        editor.fixture.state.records.groups[ExpCh].Enable = true;
        editor.window().refreshTree();
        editor.window().selectNodeByKey("E2");
        auto* chEnable = editor.window().findChild<QCheckBox*>("chkCEnable");
        if (!chEnable->isChecked()) chEnable->click();
        QCOMPARE(editor.window().findChild<QLineEdit*>("txtCRF")->text(), QString("---.----"));
        const std::size_t before = editor.fixture.messages.shown.size();
        editor.window().selectNodeByKey("General");
        QCOMPARE(editor.fixture.messages.shown.size(), before + 1);
        QCOMPARE(editor.fixture.messages.shown.back().text, msg::leavePageError());
        QCOMPARE(editor.selectedKey(), std::string("E2"));
        QCOMPARE(editor.shownPage(), QString("pictC"));
    }

    void pagesRewriteTheirNodeTextsAndShowHints()
    {
        Editor editor("nodeTexts");
        MainWindow& window = editor.window();
        window.selectNodeByKey("PU45");
        QCOMPARE(window.tree().node(window.tree().indexOfKey("PU45"))->text(0), QString("CH22A[Enable]"));
        window.findChild<QCheckBox*>("chkCEnable")->click();
        QCOMPARE(window.tree().node(window.tree().indexOfKey("PU45"))->text(0), QString("CH22A"));

        window.selectNodeByKey("SM1");
        window.findChild<QCheckBox*>("chkGEnable")->click();
        QCOMPARE(window.tree().node(window.tree().indexOfKey("SM1"))->text(0), QString("Memory ID1[Enable]"));

        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.findChild<QLineEdit*>("txtGMMSI")->setFocus();
        auto* hint = window.findChild<QLabel*>("sbHint");
        QTRY_COMPARE(hint->text(), QString(msg::MmsiHint));
        window.selectNodeByKey("PU");
        window.tree().setFocus();
        QTRY_COMPARE(hint->text(), QString(msg::SelectionHint));
        editor.grid("pageGroupGrid", "MSFlexGrid1")->setFocus();
        QTRY_COMPARE(hint->text(), QString(msg::GridHint));
    }
};

QTEST_MAIN(GridPagesTest)
#include "tst_gridpages.moc"
