// The hex view of the service mode, the status-bar hints, the grid mouse
// wheel and the main window's layout limits.
#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "platform/helpviewer.h"
#include "ui/gridwheel.h"
#include "ui/mainactions.h"
#include "ui/mainwindow.h"
#include "ui/nodetree.h"
#include "ui/twips.h"
#include "ui/windowlayout.h"
#include "uitestsupport.h"

using namespace zmp;
using namespace zmp::test;

namespace {

void startEditor(EditorFixture& editor)
{
    writeDestination(editor.folder, "USA_1130.ini", ModelMr4400);
    if (!editor.start()) qFatal("start-up failed");
}

QListWidget* hexList(EditorFixture& editor)
{
    return editor.window->findChild<QListWidget*>("lstHex");
}

void showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) qFatal("window not active");
}

void sendWheel(QAbstractScrollArea* area, int delta)
{
    const QPointF at(area->viewport()->rect().center());
    QWheelEvent wheel(at, area->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area->viewport(), &wheel);
}

int pixels(int twips)
{
    return twipsToPixels(twips, QGuiApplication::primaryScreen()->logicalDotsPerInch());
}

} // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void hexdumpItemOnlyInDebugModeWithStoredCheck()
    {
        EditorFixture plain("hexPlain", "[model1]\r\nuse=1\r\natis=True\r\n", false);
        plain.settings.setValue("Settings", "hexvisible", "True");
        startEditor(plain);
        QVERIFY(!plain.window->actions().optionsHexdump->isVisible());
        QVERIFY(!hexList(plain)->isVisibleTo(plain.window.get()));

        EditorFixture debug("hexDebug", "[model1]\r\nuse=1\r\natis=True\r\n", true);
        debug.settings.setValue("Settings", "hexvisible", "True");
        startEditor(debug);
        QVERIFY(debug.window->actions().optionsHexdump->isVisible());
        QVERIFY(debug.window->actions().optionsHexdump->isChecked());
        QVERIFY(hexList(debug)->isVisibleTo(debug.window.get()));
        QCOMPARE(hexList(debug)->count(), 2 + 2048);
        QCOMPARE(hexList(debug)->font().family(), QString("Courier New"));
    }

    void togglingHexdumpClearsAndRebuildsWithEdits()
    {
        EditorFixture editor("hexToggle", "[model1]\r\nuse=1\r\natis=True\r\n", true);
        startEditor(editor);
        QAction* item = editor.window->actions().optionsHexdump;
        QVERIFY(!item->isChecked());
        QCOMPARE(hexList(editor)->count(), 0);
        item->trigger();
        QVERIFY(item->isChecked());
        QCOMPARE(hexList(editor)->count(), 2050);
        const QString before = hexList(editor)->item(4)->text();
        const auto edited = static_cast<std::uint8_t>(editor.state.image[0x21] ^ 0xFF);
        editor.state.image[0x21] = edited;
        QCOMPARE(hexList(editor)->item(4)->text(), before); // the view does not follow edits
        item->trigger();
        QVERIFY(!item->isChecked());
        QCOMPARE(hexList(editor)->count(), 0);
        QVERIFY(!hexList(editor)->isVisibleTo(editor.window.get()));
        item->trigger();
        const QString row = hexList(editor)->item(4)->text();
        QVERIFY(row.startsWith(" 0020: "));
        QCOMPARE(row.mid(10, 2), QString("%1").arg(edited, 2, 16, QChar('0')).toUpper());
        // The settings store is read, never written, by the window.
        QCOMPARE(editor.settings.value("Settings", "hexvisible", "unset"), std::string("unset"));
    }

    void smallImageGives258HexLines()
    {
        EditorFixture editor("hexSmall", "[model1]\r\nuse=1\r\natis=True\r\n", true);
        startEditor(editor);
        editor.state.image.lastAddress = 4095;
        editor.window->actions().optionsHexdump->trigger();
        QCOMPARE(hexList(editor)->count(), 258);
        QVERIFY(hexList(editor)->item(257)->text().startsWith(" 0FF0:"));
    }

    void hexViewFillsTheWindowBelowTheToolbar()
    {
        EditorFixture editor("hexPlace", "[model1]\r\nuse=1\r\natis=True\r\n", true);
        startEditor(editor);
        editor.window->actions().optionsHexdump->trigger();
        showActive(*editor.window);
        editor.window->resize(900, 700);
        QTRY_COMPARE(editor.window->width(), 900);
        const QRect view = hexList(editor)->geometry();
        QCOMPARE(view.top(), editor.window->actions().toolBar->geometry().bottom() + 1);
        QVERIFY(qAbs(view.width() - (900 - pixels(HexViewWidthMarginTwips))) <= 1);
    }

    void windowNeverShrinksBelowItsMinimum()
    {
        EditorFixture editor("minimum");
        startEditor(editor);
        showActive(*editor.window);
        QCOMPARE(editor.window->minimumSize(),
                 QSize(pixels(MinimumWindowWidthTwips), pixels(MinimumWindowHeightTwips)));
        editor.window->resize(100, 100);
        QTRY_VERIFY(editor.window->width() >= pixels(MinimumWindowWidthTwips));
        QVERIFY(editor.window->height() >= pixels(MinimumWindowHeightTwips));
    }

    void exitStoresTheWindowPlaceInTwips()
    {
        EditorFixture editor("place");
        startEditor(editor);
        showActive(*editor.window);
        editor.window->resize(100, 100);
        QTRY_VERIFY(editor.window->width() >= pixels(MinimumWindowWidthTwips));
        const QRect frame = editor.window->frameGeometry();
        QVERIFY(editor.window->close());
        const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
        QCOMPARE(editor.settings.value("Settings", "MainWidth", ""),
                 std::to_string(pixelsToTwips(frame.width(), dpi)));
        QCOMPARE(editor.settings.value("Settings", "MainHeight", ""),
                 std::to_string(pixelsToTwips(frame.height(), dpi)));
        QCOMPARE(editor.settings.value("Settings", "MainLeft", ""),
                 std::to_string(pixelsToTwips(frame.left(), dpi)));
        QVERIFY(pixelsToTwips(frame.width(), dpi) >= MinimumWindowWidthTwips - TwipsPerPixelAt96Dpi);
    }

    void reopensWhereAndAsLargeAsTheUserLeftIt()
    {
        EditorFixture editor("reopen");
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect left(screen.x() + 20, screen.y() + 10, pixels(MinimumWindowWidthTwips) + 40,
                         pixels(MinimumWindowHeightTwips) + 30);
        const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
        editor.settings.setValue("Settings", "MainLeft", std::to_string(pixelsToTwips(left.x(), dpi)));
        editor.settings.setValue("Settings", "MainTop", std::to_string(pixelsToTwips(left.y(), dpi)));
        editor.settings.setValue("Settings", "MainWidth", std::to_string(pixelsToTwips(left.width(), dpi)));
        editor.settings.setValue("Settings", "MainHeight", std::to_string(pixelsToTwips(left.height(), dpi)));
        startEditor(editor);
        showActive(*editor.window);
        QCOMPARE(editor.window->frameGeometry(), left);
    }

    void aStoredPlaceOffEveryScreenComesBackOntoOne()
    {
        EditorFixture editor("offScreen");
        editor.settings.setValue("Settings", "MainLeft", "-900000");
        editor.settings.setValue("Settings", "MainTop", "900000");
        editor.settings.setValue("Settings", "MainWidth", "9000000");
        editor.settings.setValue("Settings", "MainHeight", "12");
        startEditor(editor);
        showActive(*editor.window);
        const QRect screen = editor.window->screen()->availableGeometry();
        QVERIFY(screen.contains(editor.window->frameGeometry()));
        QVERIFY(editor.window->height() >= pixels(MinimumWindowHeightTwips));
    }

    void checkingAGroupKeepsTheTreeShape()
    {
        EditorFixture editor("treeShape");
        startEditor(editor);
        showActive(*editor.window);
        NodeTree& tree = editor.window->tree();
        const std::vector<std::string> open{"General", "Program", "PU", "SM"};
        for (const std::string& key : open)
            tree.node(tree.indexOfKey(key))->setExpanded(true);
        editor.window->selectNodeByKey("Usable");
        auto* group2 = editor.window->findChild<QCheckBox*>("chkUsable_1");
        const bool had = tree.indexOfKey("PI") > 0;
        group2->click();
        QCOMPARE(tree.indexOfKey("PI") > 0, !had);
        for (const std::string& key : open)
            QVERIFY2(tree.node(tree.indexOfKey(key))->isExpanded(), key.c_str());
        QVERIFY(!tree.node(tree.indexOfKey("SG"))->isExpanded());
        QCOMPARE(tree.keyOf(tree.selectedIndex()), std::string("Usable"));
    }

    void helpFromTheTransferDialogWorksWhileItWaits()
    {
        EditorFixture editor("dialogHelp");
        const std::filesystem::path help = std::filesystem::path(std::getenv("ZMP_PROGRAM_DIR")) / "QMxx.HLP";
        std::filesystem::copy_file(help, editor.folder / "QMxx.HLP");
        startEditor(editor);
        showActive(*editor.window);
        bool helpShown = false;
        bool scrolled = false;
        QTimer::singleShot(0, editor.window.get(), [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog) return;
            dialog->findChild<QPushButton*>("cmdHelp")->click();
            HelpViewer* viewer = nullptr;
            for (QWidget* widget : QApplication::allWidgets())
                if (auto* found = qobject_cast<HelpViewer*>(widget); found && found->isVisible())
                    viewer = found;
            helpShown = viewer && QTest::qWaitForWindowExposed(viewer);
            if (helpShown) {
                // Keys come through the desktop, which holds back input to windows a dialog blocks.
                QScrollBar* bar = viewer->browser()->verticalScrollBar();
                const bool atTop = bar->value() == bar->minimum();
                QTest::keyClick(viewer->windowHandle(), atTop ? Qt::Key_End : Qt::Key_Home);
                scrolled = atTop ? bar->value() > bar->minimum() : bar->value() == bar->minimum();
            }
            dialog->findChild<QPushButton*>("cmdCancel")->click();
        });
        editor.window->actions().transferRead->trigger();
        QVERIFY(helpShown);
        QVERIFY(scrolled);
    }

    void resizeGivesTheTreeThirtyPercent()
    {
        EditorFixture editor("treeWidth");
        startEditor(editor);
        showActive(*editor.window);
        editor.window->resize(1000, 700);
        auto* splitter = editor.window->findChild<QSplitter*>("splitter");
        QTRY_VERIFY(qAbs(splitter->sizes().at(0) - 300) <= 2);
    }

    void splitterStops2500TwipsFromEitherEdge()
    {
        EditorFixture editor("splitter");
        startEditor(editor);
        showActive(*editor.window);
        editor.window->resize(1000, 700);
        auto* splitter = editor.window->findChild<QSplitter*>("splitter");
        QTRY_COMPARE(splitter->width(), editor.window->width());
        QSplitterHandle* handle = splitter->handle(1);
        const QPoint grip = handle->rect().center();
        QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, grip);
        QTest::mouseMove(handle, grip - QPoint(splitter->width(), 0));
        QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, grip - QPoint(splitter->width(), 0));
        QCOMPARE(splitter->sizes().at(0), pixels(SplitterMarginTwips));
        const QPoint now = handle->rect().center();
        QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, now);
        QTest::mouseMove(handle, now + QPoint(splitter->width(), 0));
        QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, now + QPoint(splitter->width(), 0));
        QCOMPARE(splitter->sizes().at(1), pixels(SplitterMarginTwips));
    }

    void focusedGridScrollsOneLinePerWheelEvent()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* grid = new QTableWidget(200, 3, &window);
        auto* other = new QTableWidget(200, 3, &window);
        layout->addWidget(grid);
        layout->addWidget(other);
        new GridWheel(&window);
        window.resize(400, 600);
        showActive(window);
        grid->setFocus();
        QTRY_VERIFY(grid->hasFocus());
        sendWheel(grid, -360); // three notches in one event still move one line
        QCOMPARE(grid->verticalScrollBar()->value(), 1);
        sendWheel(grid, -120);
        QCOMPARE(grid->verticalScrollBar()->value(), 2);
        sendWheel(grid, 120);
        QCOMPARE(grid->verticalScrollBar()->value(), 1);
        // A grid without the focus keeps the desktop's scrolling.
        sendWheel(other, -120);
        QCOMPARE(other->verticalScrollBar()->value(), QApplication::wheelScrollLines());
    }

    void focusedControlsShowTheirHints_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        const QString list = "[Up]/[Down]:Change of a Selection item.";
        const QString box = "[Space]:An effective and invalid change.";
        QTest::newRow("usable box") << "Usable"
                                    << "chkUsable_0" << box;
        QTest::newRow("exp box") << "Usable"
                                 << "chkEXP_2" << box;
        QTest::newRow("priority") << "Usable"
                                  << "cmbUsablePri_0" << list;
        QTest::newRow("status name") << "Usable"
                                     << "txtUsable_0"
                                     << "max 4 charactors.";
        QTest::newRow("common list") << "Common"
                                     << "cmbCommonOffset" << list;
        QTest::newRow("dsc list") << "DSC"
                                  << "cmbUsableDscBeepOut_3" << list;
        QTest::newRow("user mmsi") << "DSC"
                                   << "txtUserMMSI"
                                   << "Numeric Only. Indispensable 9 figures.";
        QTest::newRow("mmsi clear") << "DSC"
                                    << "cmdFClear"
                                    << "A Click Inicializes the number of User MMSI setting permission";
        QTest::newRow("atis code") << "ATIS"
                                   << "txtATIScode"
                                   << "Numeric Only. Indispensable 10 figures.";
        QTest::newRow("atis clear") << "ATIS"
                                    << "cmdAtisClear"
                                    << "A Click Inicializes the number of Atis setting permission";
        QTest::newRow("atis killer") << "ATIS"
                                     << "chkATISKiller_1" << box;
    }

    void focusedControlsShowTheirHints()
    {
        QFETCH(QString, node);
        QFETCH(QString, name);
        QFETCH(QString, hint);
        EditorFixture editor("hints");
        startEditor(editor);
        for (UsableGroup& group : editor.state.records.groups)
            group.Enable = true;
        editor.window->refreshTree();
        showActive(*editor.window);
        editor.window->selectNodeByKey(node.toStdString());
        auto* panel = editor.window->findChild<QLabel*>("sbHint");
        QCOMPARE(panel->text(), QString("[Up]/[Down]/[Left]/[Right]:Change of a Selection item."));
        auto* target = editor.window->findChild<QWidget*>(name);
        QVERIFY(target);
        target->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(panel->text(), hint);
    }

    void logClearButtonsShowTheLogHint()
    {
        EditorFixture editor("logHints");
        startEditor(editor);
        showActive(*editor.window);
        editor.window->selectNodeByKey("DSC");
        editor.window->findChild<QTabWidget*>("tbsDSC_USER")->setCurrentIndex(2);
        auto* panel = editor.window->findChild<QLabel*>("sbHint");
        for (int k = 0; k < 7; ++k) {
            panel->clear();
            editor.window->findChild<QPushButton*>(QString("cmdFclearLog_%1").arg(k))
                ->setFocus(Qt::TabFocusReason);
            QTRY_COMPARE(panel->text(), QString("A Click Inicializes the log"));
        }
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "tst_windowlayout.moc"
