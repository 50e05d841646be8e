// The editing aids of the main window: the notes beside the number fields,
// the Checks panel and the question before programming, CSV export and
// import from the menus, and undo and redo across every kind of edit.
#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidget>

#include "checks/marinechecks.h"
#include "exchange/tableexchange.h"
#include "files/radiocomparison.h"
#include "ui/checkspanel.h"
#include "ui/comparewindow.h"
#include "ui/edithistory.h"
#include "ui/mainactions.h"
#include "ui/mainwindow.h"
#include "ui/nodetree.h"
#include "ui/tableexchangeui.h"
#include "uitestsupport.h"

using namespace zmp;
using namespace zmp::test;

namespace {

template <typename T>
T* control(EditorFixture& editor, const QString& name)
{
    T* found = editor.window->findChild<T*>(name);
    if (!found) qFatal("no control %s", qPrintable(name));
    return found;
}

void startEditor(EditorFixture& editor)
{
    writeDestination(editor.folder, "USA_1130.ini", ModelMr4400);
    if (!editor.start()) qFatal("start-up failed");
}

void showNode(EditorFixture& editor, const std::string& key)
{
    editor.window->selectNodeByKey("General");
    editor.window->selectNodeByKey(key);
}

QString shownPage(EditorFixture& editor)
{
    return editor.window->findChild<QStackedWidget*>("pageStack")->currentWidget()->objectName();
}

// Each row under its page: "page/caption|radio|editor".
QStringList listedRows(const QTreeWidget& list)
{
    QStringList rows;
    for (int page = 0; page < list.topLevelItemCount(); ++page) {
        const QTreeWidgetItem* item = list.topLevelItem(page);
        for (int row = 0; row < item->childCount(); ++row)
            rows << item->text(0) + "/" + item->child(row)->text(0) + "|" + item->child(row)->text(1) + "|" +
                        item->child(row)->text(2);
    }
    return rows;
}

QStringList pageTexts(const QTreeWidget& list)
{
    QStringList pages;
    for (int page = 0; page < list.topLevelItemCount(); ++page)
        pages << list.topLevelItem(page)->text(0);
    return pages;
}

QStringList panelLines(EditorFixture& editor)
{
    QStringList lines;
    const QListWidget* list = editor.window->checksPanel().list();
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

} // namespace

class EditToolsTest : public QObject {
    Q_OBJECT

  private slots:
    void notesNameTheCountryAsTheNumberIsTyped()
    {
        EditorFixture editor("notes");
        startEditor(editor);
        showNode(editor, "DSC");
        auto* mmsi = control<QLineEdit>(editor, "txtUserMMSI");
        auto* note = control<QLabel>(editor, "lblNote_txtUserMMSI");
        mmsi->setFocus();
        QTest::keyClicks(mmsi, "2321");
        QTRY_COMPARE(note->text(), QString::fromUtf8("232\u2026 United Kingdom"));
        mmsi->clear();
        QTest::keyClicks(mmsi, "012");
        QTRY_COMPARE(note->text(), QString("a ship station's MMSI begins with 2 to 7"));
        mmsi->clear();

        editor.state.records.groupId[0] = {true, "FLEET", "036612345", {}};
        showNode(editor, "SG1");
        auto* groupNote = control<QLabel>(editor, "lblNote_txtGMMSI");
        QTRY_COMPARE(groupNote->text(), QString::fromUtf8("group, 366\u2026 United States of America"));
        editor.state.records.memoryId[0] = {true, "RESCUE", "111232001", {}};
        showNode(editor, "SM1");
        QTRY_COMPARE(groupNote->text(), QString("search-and-rescue aircraft, never a station to call"));
        editor.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.window.get()));
        QVERIFY(editor.window->grab().save(QString::fromStdString((editor.folder / "entry.png").string())));
        showNode(editor, "DSC");
        QVERIFY(editor.window->grab().save(QString::fromStdString((editor.folder / "dsc.png").string())));
    }

    // A note that appears, grows or turns red moves nothing on its page.
    void notesKeepTheirPlace()
    {
        EditorFixture editor("notePlace");
        startEditor(editor);
        editor.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.window.get()));
        showNode(editor, "DSC");
        auto* mmsi = control<QLineEdit>(editor, "txtUserMMSI");
        auto* beep = control<QComboBox>(editor, "cmbUsableDscBeepOut_0");
        const auto placeOf = [&editor](const QWidget* w) {
            return QRect(w->mapTo(editor.window.get(), QPoint()), w->size());
        };
        const QRect field = placeOf(mmsi);
        const QRect list = placeOf(beep);
        mmsi->setFocus();
        QTest::keyClicks(mmsi, "012");
        QTRY_COMPARE(control<QLabel>(editor, "lblNote_txtUserMMSI")->text(),
                     QString("a ship station's MMSI begins with 2 to 7"));
        QApplication::processEvents();
        QCOMPARE(placeOf(mmsi), field);
        QCOMPARE(placeOf(beep), list);
        mmsi->clear();

        QList<int> widths;
        for (const char* number : {"", "211234560", "111232001", "012"}) {
            editor.state.records.memoryId[0] = {true, "RESCUE", number, {}};
            showNode(editor, "SM1");
            QApplication::processEvents();
            widths << control<QLineEdit>(editor, "txtGMMSI")->width();
        }
        QCOMPARE(widths, QList<int>(4, widths.front()));
    }

    void checksPanelListsWarningsAndJumpsToTheField()
    {
        EditorFixture editor("panel");
        startEditor(editor);
        editor.state.records.userMmsi = "2991234560";
        editor.state.flags.modified = true;
        editor.window->history().look();
        const QStringList lines = panelLines(editor);
        QVERIFY2(lines.contains("User MMSI 299123456: MID 299 is not allocated to any country"),
                 qPrintable(lines.join('\n')));
        QCOMPARE(editor.window->checksPanel().windowTitle(), QString("Checks (%1)").arg(lines.size()));
        QCOMPARE(editor.window->checksPanel().summary()->text(), QString("%1 warnings").arg(lines.size()));
        QVERIFY(editor.window->checksPanel().isHidden());
        editor.window->checksPanel().summary()->click();
        QVERIFY(!editor.window->checksPanel().isHidden());
        QListWidget* list = editor.window->checksPanel().list();
        emit list->itemActivated(list->item(
            static_cast<int>(lines.indexOf("User MMSI 299123456: MID 299 is not allocated to any country"))));
        QCOMPARE(shownPage(editor), QString("pictDSC"));
        QCOMPARE(editor.window->focusWidget(), control<QWidget>(editor, "txtUserMMSI"));
        editor.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.window.get()));
        QVERIFY(editor.window->grab().save(QString::fromStdString((editor.folder / "window.png").string())));
        QVERIFY(editor.window->checksPanel().grab().save(
            QString::fromStdString((editor.folder / "checks.png").string())));
    }

    // The radio holds the editor's configuration but for four values: each
    // is named and shown as its page shows it, under its page, and takes the
    // user to its field while the window stays open.
    void compareWindowGroupsByPageFiltersAndJumpsToTheField()
    {
        EditorFixture editor("compare");
        startEditor(editor);
        Records& records = editor.state.records;
        records.memoryId[0].Enable = true;
        Records radio = records;
        radio.groups[0].StatusName = "XYZ";
        radio.settings[slot::DualWatch] = 0;
        records.settings[slot::DualWatch] = 1;
        records.usa[32].ChTag = "HARBOUR";
        records.memoryId[0].Mmsid = "2111234560";
        const QString name = QString::fromStdString(records.groups[0].StatusName);
        editor.window->showComparison(
            compareWithRadio({radio, ModelMr4400, true}, {records, ModelMr4400, true}));
        auto* window = control<CompareWindow>(editor, "frmCompare");
        QCOMPARE(window->windowTitle(), QString("Compare with Radio"));
        auto* list = control<QTreeWidget>(editor, "lstDifferences");
        QCOMPARE(list->accessibleName(), QString("Differences"));
        const QStringList rows{"Usable CH Group Setup/Group1: Status Name|XYZ|" + name,
                               "Common Setup/Scanning Function: Dual Watch|Off|On",
                               "Group1/CH16: CH Name|DISTRESS|HARBOUR",
                               "Individual Directory/Memory ID1: MMSI||211123456"};
        QCOMPARE(listedRows(*list), rows);
        QCOMPARE(control<QLabel>(editor, "lblSummary")->text(),
                 QString("4 differences on 4 pages between the radio and the editor."));

        auto* onlyDifferences = control<QCheckBox>(editor, "chkOnlyDifferences");
        onlyDifferences->setChecked(false);
        QCOMPARE(pageTexts(*list),
                 QStringList({"General", "Usable CH Group Setup", "Common Setup", "DSC Setup", "ATIS Setup",
                              "Group1", "Group2", "Group3", "Weather", "Individual Directory",
                              "Group Directory", "EXP Channel"}));
        QCOMPARE(listedRows(*list).first(), QString("General/Model|MR4400|MR4400"));
        onlyDifferences->setChecked(true);
        QCOMPARE(listedRows(*list), rows);

        const QStringList fields{"pictUsable/txtUsable_0", "pictCommon/cmbCommonDual", "pictC/txtCTag",
                                 "pictG/txtGMMSI"};
        for (int page = 0; page < list->topLevelItemCount(); ++page) {
            list->setCurrentItem(list->topLevelItem(page)->child(0));
            QTest::keyClick(list, Qt::Key_Return);
            QCOMPARE(shownPage(editor) + "/" + editor.window->focusWidget()->objectName(), fields[page]);
            QVERIFY(window->isVisible());
        }
    }

    void programAsksOnceWhenTheChecksWarn()
    {
        EditorFixture editor("program");
        startEditor(editor);
        editor.state.records.userMmsi = "0123456780";
        const auto warnings = MarineChecks::run(editor.state.records);
        QVERIFY(!warnings.empty());
        editor.messages.answer(MessageAnswer::No);
        editor.window->actions().transferProgram->trigger();
        QCOMPARE(editor.messages.shown.size(), std::size_t{1});
        QCOMPARE(editor.messages.shown[0].text,
                 std::to_string(warnings.size()) + " warnings. Program anyway?");
        QCOMPARE(editor.messages.shown[0].buttons, MessageButtons::YesNo);
        // The box says which, and No takes the user to them.
        QVERIFY2(editor.messages.shown[0].detail.rfind(warnings[0].text + "\n", 0) == 0,
                 editor.messages.shown[0].detail.c_str());
        QVERIFY(!editor.window->findChild<QDialog*>());
        QVERIFY(editor.window->checksPanel().isVisible());
    }

    void exportAndImportFromTheFileMenu()
    {
        EditorFixture editor("exchange");
        startEditor(editor);
        const std::string csv = (editor.folder / "memory.csv").string();
        editor.state.records.memoryId[0] = {true, "HARBOUR", "003669999", {}};
        editor.window->history().look(); // a configuration as opened: HARBOUR is where history starts
        editor.dialogs.paths.push_back(csv);
        editor.window->findChild<QAction*>("mnuFileExport_memory-id")->trigger();
        QCOMPARE(readBytes(csv), std::string("No.,STATION NAME,MMSI\r\n1,HARBOUR,003669999\r\n"));

        writeBytes(csv, "No.,STATION NAME,MMSI\r\n1,PILOT,211234560\r\n2,TUG,21123456\r\n");
        editor.dialogs.paths.push_back(csv);
        editor.window->findChild<QAction*>("mnuFileImport_memory-id")->trigger();
        QCOMPARE(QString::fromStdString(editor.state.records.memoryId[0].TagName), QString("HARBOUR"));
        QVERIFY(editor.messages.texts().find("line 3, column MMSI: an MMSI has 9 digits") !=
                std::string::npos);
        QVERIFY(!editor.state.flags.modified);

        writeBytes(csv, "No.,STATION NAME,MMSI\r\n1,PILOT,211234560\r\n2,TUG,211234570\r\n");
        editor.dialogs.paths.push_back(csv);
        editor.window->findChild<QAction*>("mnuFileImport_memory-id")->trigger();
        QCOMPARE(editor.state.records.memoryId[1].TagName, std::string("TUG"));
        QVERIFY(editor.state.flags.modified);
        QVERIFY(editor.window->tree()
                    .node(editor.window->tree().indexOfKey("SM2"))
                    ->text(0)
                    .endsWith("[Enable]"));
        // An import is one step of the history.
        editor.window->actions().editUndo->trigger();
        QCOMPARE(editor.state.records.memoryId[0].TagName, std::string("HARBOUR"));
        QVERIFY(!editor.state.records.memoryId[1].Enable);
    }

    void undoAndRedoFollowUsableGroupsAndDirectoryEdits()
    {
        EditorFixture editor("undo");
        startEditor(editor);
        QVERIFY(editor.window->actions().editMenu->menuAction()->isVisible());
        QVERIFY(!editor.window->actions().editUndo->isEnabled());
        showNode(editor, "Usable");
        const bool group2 = editor.state.records.groups[Group2].Enable;
        control<QCheckBox>(editor, "chkUsable_1")->click();
        editor.window->history().look();
        QCOMPARE(editor.state.records.groups[Group2].Enable, !group2);
        QVERIFY(editor.window->actions().editUndo->isEnabled());

        showNode(editor, "SM1");
        control<QCheckBox>(editor, "chkGEnable")->click();
        editor.window->history().look();
        QVERIFY(editor.state.records.memoryId[0].Enable);

        editor.window->actions().editUndo->trigger();
        QVERIFY(!editor.state.records.memoryId[0].Enable);
        QVERIFY(editor.state.flags.modified);
        editor.window->actions().editUndo->trigger();
        QCOMPARE(editor.state.records.groups[Group2].Enable, group2);
        QCOMPARE(editor.window->tree().indexOfKey("PI") != 0, group2);
        QVERIFY(!editor.state.flags.modified); // back where the configuration started
        QVERIFY(!editor.window->actions().editUndo->isEnabled());

        editor.window->actions().editRedo->trigger();
        QCOMPARE(editor.state.records.groups[Group2].Enable, !group2);
        QCOMPARE(editor.window->tree().indexOfKey("PI") != 0, !group2);
        QVERIFY(editor.state.flags.modified);
        editor.window->actions().editRedo->trigger();
        QVERIFY(editor.state.records.memoryId[0].Enable);
        QVERIFY(!editor.window->actions().editRedo->isEnabled());
    }

    // Undo names the step it takes back and shows its page: the ATIS code
    // is never cleared out of sight while a directory entry is shown.
    void undoNamesItsStepAndShowsItsPage()
    {
        EditorFixture editor("undoNames");
        startEditor(editor);
        editor.window->show();
        editor.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor.window.get()));
        showNode(editor, "ATIS");
        auto* code = control<QLineEdit>(editor, "txtATIScode");
        code->setFocus();
        QTest::keyClicks(code, "9211123456");
        showNode(editor, "SM1");
        QCOMPARE(editor.state.records.atisCode, std::string("9211123456"));
        QTRY_COMPARE(editor.window->actions().editUndo->text(), QString("&Undo Edit ATIS Code"));
        editor.window->actions().editUndo->trigger();
        QCOMPARE(editor.state.records.atisCode, std::string());
        QCOMPARE(shownPage(editor), QString("pictATIS"));
        QCOMPARE(editor.window->actions().editRedo->text(), QString("&Redo Edit ATIS Code"));

        const std::string csv = (editor.folder / "usa.csv").string();
        editor.dialogs.paths.push_back(csv);
        editor.window->findChild<QAction*>("mnuFileExport_usa")->trigger();
        editor.state.records.usa[0].ChTag = "CHANGED";
        editor.state.flags.modified = true;
        editor.window->history().look();
        editor.dialogs.paths.push_back(csv);
        editor.window->findChild<QAction*>("mnuFileImport_usa")->trigger();
        QCOMPARE(editor.window->actions().editUndo->text(), QString("&Undo Import USA channels (Group1)"));
    }

    void typedTextIsOneStepAndTheShortcutsWork()
    {
        EditorFixture editor("typing");
        startEditor(editor);
        showNode(editor, "PU32");
        const std::string before = editor.state.records.usa[32].ChTag;
        auto* name = control<QLineEdit>(editor, "txtCTag");
        name->setFocus();
        name->selectAll();
        QTest::keyClicks(name, "HAIL");
        QCOMPARE(editor.state.records.usa[32].ChTag, std::string("HAIL"));
        // Every key stored the name; the history took the typing as one step.
        QTRY_VERIFY(editor.window->history().canUndo());
        QCOMPARE(editor.window->actions().editUndo->shortcut(), QKeySequence(QKeySequence::Undo));
        QVERIFY(editor.window->actions().editRedo->shortcuts().contains(QKeySequence("Ctrl+Y")));
        QVERIFY(editor.window->actions().editRedo->shortcuts().contains(QKeySequence("Ctrl+Shift+Z")));
        editor.window->actions().editUndo->trigger();
        QCOMPARE(editor.state.records.usa[32].ChTag, before);
        QCOMPARE(name->text().toStdString(), before);
        QVERIFY(!editor.window->history().canUndo());
    }

    void freshConfigurationStartsAFreshHistoryAndSaveMarksIt()
    {
        EditorFixture editor("fresh");
        startEditor(editor);
        showNode(editor, "Usable");
        control<QCheckBox>(editor, "chkUsable_1")->click();
        editor.window->history().look();
        QVERIFY(editor.window->history().canUndo());
        editor.window->rebuild(true);
        editor.state.flags.modified = false;
        editor.window->history().look();
        QVERIFY(!editor.window->history().canUndo());

        showNode(editor, "Usable");
        control<QCheckBox>(editor, "chkUsable_1")->click();
        editor.window->history().look();
        editor.dialogs.paths.push_back((editor.folder / "saved.dat").string());
        editor.window->actions().fileSaveAs->trigger();
        QVERIFY(!editor.state.flags.modified);
        editor.window->history().look();
        control<QCheckBox>(editor, "chkUsable_1")->click();
        editor.window->history().look();
        editor.window->actions().editUndo->trigger();
        QVERIFY(!editor.state.flags.modified); // at the saved step
        editor.window->actions().editUndo->trigger();
        QVERIFY(editor.state.flags.modified);
    }

    void openingAFileAfterDiscardingEditsStartsAFreshHistory()
    {
        EditorFixture editor("discarded");
        startEditor(editor);
        const std::string other = (editor.folder / "other.dat").string();
        editor.dialogs.paths.push_back(other);
        editor.window->actions().fileSaveAs->trigger();
        showNode(editor, "Usable");
        control<QCheckBox>(editor, "chkUsable_1")->click();
        editor.window->history().look();
        QVERIFY(editor.state.flags.modified);

        // Not saving the edit, then opening: the file is no edit to undo.
        editor.messages.answer(MessageAnswer::No);
        editor.dialogs.paths.push_back(other);
        editor.window->actions().fileOpen->trigger();
        QCOMPARE(editor.state.currentFilePath, other);
        QVERIFY(!editor.state.flags.modified);
        editor.window->history().look();
        QVERIFY(!editor.window->history().canUndo());
    }
};

QTEST_MAIN(EditToolsTest)
#include "tst_edittools.moc"
