// What a page shows is what the records hold: every editable text field is
// edited and left in every way the user can leave it, and afterwards the
// field shows the stored value, or the user got the field's message and the
// focus is back in the field with its node still selected.
#include <functional>
#include <utility>

#include <QtTest>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QStackedWidget>

#include "codec/frequencyformat.h"
#include "files/configfilewriter.h"
#include "message/messagetexts.h"
#include "ui/filemenuhandler.h"
#include "ui/mainactions.h"
#include "ui/mainwindow.h"
#include "ui/nodetree.h"
#include "uitestsupport.h"

using namespace zmp;
using namespace zmp::test;

namespace {

enum class Leave {
    Tab,
    BackTab,
    TreeClick,
    TreeArrow,
    Enter,
    Save,
    SaveAs,
    Print,
    PrintToFile,
    Program,
    Exit
};

const std::vector<std::pair<Leave, const char*>>& leaves()
{
    static const std::vector<std::pair<Leave, const char*>> all{
        {Leave::Tab, "Tab"},
        {Leave::BackTab, "Shift+Tab"},
        {Leave::TreeClick, "tree click"},
        {Leave::TreeArrow, "tree arrow"},
        {Leave::Enter, "Enter"},
        {Leave::Save, "Save"},
        {Leave::SaveAs, "Save As"},
        {Leave::Print, "Print"},
        {Leave::PrintToFile, "Print to File"},
        {Leave::Program, "Program"},
        {Leave::Exit, "Exit"},
    };
    return all;
}

// One edit of one field: the text typed, and either the value the record
// must then hold (in the form the record getter gives) and the field show,
// or the caption of the message that refuses it.
struct FieldCase {
    const char* name;
    std::string node;
    const char* field;
    const char* typed;
    std::function<std::string(const Records&)> record;
    std::string stored;
    const char* shown;
    std::string refusedBy;
};

std::string expRx(const Records& r)
{
    return expFrequencyText(r.exp[0].Rxfreq);
}

std::string expTx(const Records& r)
{
    return expFrequencyText(r.exp[0].Txfreq);
}

const std::vector<FieldCase>& fieldCases()
{
    static const std::vector<FieldCase> all{
        {"EXP rx", "E1", "txtCRF", "158", expRx, "158.0000", "158.0000", ""},
        {"EXP tx", "E1", "txtCTF", "156.025", expTx, "156.0250", "156.0250", ""},
        {"EXP name", "E1", "txtCTag", "BOAT", [](const Records& r) { return r.exp[0].ChTag; }, "BOAT", "BOAT",
         ""},
        {"station name", "SM1", "txtGPosi", "HARBOR", [](const Records& r) { return r.memoryId[0].TagName; },
         "HARBOR", "HARBOR", ""},
        {"station MMSI", "SM1", "txtGMMSI", "987654321", [](const Records& r) { return r.memoryId[0].Mmsid; },
         "987654321", "987654321", ""},
        {"group MMSI", "SG1", "txtGMMSI", "12345678", [](const Records& r) { return r.groupId[0].Mmsid; },
         "012345678", "12345678", ""},
        {"status name", "Usable", "txtUsable_0", "HARBOR",
         [](const Records& r) { return r.groups[Group1].StatusName; }, "HARB", "HARB", ""},
        {"user MMSI", "DSC", "txtUserMMSI", "123456789", [](const Records& r) { return r.userMmsi; },
         "1234567890", "123456789", ""},
        {"ATIS code", "ATIS", "txtATIScode", "1234567890", [](const Records& r) { return r.atisCode; },
         "1234567890", "1234567890", ""},
        {"EXP rx off the range", "E1", "txtCRF", "1", expRx, "157.4250", "", "Rx frequency"},
        {"EXP rx off the step", "E1", "txtCRF", "160.0125", expRx, "157.4250", "", "Rx frequency"},
        {"EXP tx off the range", "E1", "txtCTF", "1", expTx, "157.4250", "", "Tx frequency"},
        {"station MMSI of 8 digits", "SM1", "txtGMMSI", "12345678",
         [](const Records& r) { return r.memoryId[0].Mmsid; }, "111111111", "", "Individual Directory"},
        {"group MMSI of 7 digits", "SG1", "txtGMMSI", "1234567",
         [](const Records& r) { return r.groupId[0].Mmsid; }, "011111111", "", "Group Directory"},
        {"user MMSI of 8 digits", "DSC", "txtUserMMSI", "12345678",
         [](const Records& r) { return r.userMmsi; }, "", "", "User MMSI"},
        {"ATIS code of 9 digits", "ATIS", "txtATIScode", "123456789",
         [](const Records& r) { return r.atisCode; }, "", "", "ATISNo"},
    };
    return all;
}

// Closes every modal dialog a command opens (report window, transfer
// dialog), as a user who looked and closed it.
class DialogCloser {
  public:
    DialogCloser()
    {
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
        });
        timer_.start(5);
    }

  private:
    QTimer timer_;
};

// The editor with one registered directory entry of each kind, an enabled
// EXP channel and every usable group on, shown and active.
struct Editor {
    explicit Editor(const std::string& name) : fixture(name)
    {
        writeDestination(fixture.folder, "USA_1130.ini", ModelMr4400);
        if (!fixture.start()) qFatal("start-up failed");
        Records& r = fixture.state.records;
        for (UsableGroup& group : r.groups)
            group.Enable = true;
        r.exp[0].Enable = true;
        r.exp[0].CHDisplayL = "12";
        r.exp[0].Rxfreq = 157.425;
        r.exp[0].Txfreq = 157.425;
        r.memoryId[0] = {true, "A", "111111111", {}};
        r.groupId[0] = {true, "G", "011111111", {}};
        window().refreshTree();
        window().show();
        window().activateWindow();
        if (!QTest::qWaitForWindowActive(&window())) qFatal("window not active");
        tree().expandAll();
    }

    MainWindow& window() { return *fixture.window; }
    NodeTree& tree() { return window().tree(); }
    template <typename T>
    T* control(const char* name)
    {
        T* found = window().findChild<T*>(QString::fromUtf8(name));
        if (!found) qFatal("no control %s", name);
        return found;
    }
    void show(const std::string& key)
    {
        window().selectNodeByKey("General");
        window().selectNodeByKey(key);
    }
    void type(QLineEdit* field, const QString& text)
    {
        field->setFocus(Qt::MouseFocusReason);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    void clickNode(const std::string& key)
    {
        QTreeWidgetItem* item = tree().node(tree().indexOfKey(key));
        tree().scrollToItem(item);
        QTest::mouseClick(tree().viewport(), Qt::LeftButton, {}, tree().visualItemRect(item).center());
    }
    std::string selectedKey() { return tree().keyOf(tree().selectedIndex()); }
    // The node is the one highlighted, and the only one.
    bool highlighted(const std::string& key)
    {
        const QList<QTreeWidgetItem*> items = tree().selectedItems();
        return items.size() == 1 && items.front() == tree().node(tree().indexOfKey(key));
    }
    std::string savedPath() { return (fixture.folder / "saved.dat").string(); }
    void leave(Leave how, QLineEdit* field, const std::string& node);
    std::vector<Message> dataErrors() const
    {
        std::vector<Message> found;
        for (const Message& m : fixture.messages.shown)
            if (m.text == msg::DataError) found.push_back(m);
        return found;
    }

    EditorFixture fixture;
};

void Editor::leave(Leave how, QLineEdit* field, const std::string& node)
{
    const DialogCloser closer;
    MainActions& a = window().actions();
    switch (how) {
    case Leave::Tab:
        QTest::keyClick(field, Qt::Key_Tab);
        break;
    case Leave::BackTab:
        QTest::keyClick(field, Qt::Key_Tab, Qt::ShiftModifier);
        break;
    case Leave::TreeClick:
        clickNode("General");
        break;
    case Leave::TreeArrow:
        // Into the tree on the shown node, then one node down.
        clickNode(node);
        QTest::keyClick(&tree(), Qt::Key_Down);
        break;
    case Leave::Enter:
        QTest::keyClick(field, Qt::Key_Return);
        break;
    case Leave::Save:
    case Leave::SaveAs:
        fixture.dialogs.paths.push_back(savedPath());
        (how == Leave::Save ? a.fileSave : a.fileSaveAs)->trigger();
        break;
    case Leave::Print:
        fixture.dialogs.pdfPath = (fixture.folder / "printed.pdf").string();
        a.filePrint->trigger();
        break;
    case Leave::PrintToFile:
        a.filePrintToFile->trigger();
        break;
    case Leave::Program:
        a.transferProgram->trigger();
        break;
    case Leave::Exit:
        fixture.messages.answer(MessageAnswer::Yes);
        fixture.dialogs.paths.push_back(savedPath());
        window().close();
        break;
    }
}

std::pair<int, int> shard()
{
    const QByteArray text = qgetenv("ZMP_TEST_SHARD");
    const auto parts = text.split('/');
    if (parts.size() != 2) return {0, 1};
    const int part = parts[0].toInt();
    const int count = parts[1].toInt();
    if (count < 1 || part < 0 || part >= count) return {0, 1};
    return {part, count};
}

bool leavesTheTree(Leave how)
{
    return how == Leave::TreeClick || how == Leave::TreeArrow;
}

} // namespace

class FidelityTest : public QObject {
    Q_OBJECT

  private slots:
    void everyLeaveStoresOrRefuses_data()
    {
        QTest::addColumn<int>("fieldCase");
        QTest::addColumn<int>("leave");
        // The sweep is long: CTest runs it in three parts side by side, each
        // taking every third row (ZMP_TEST_SHARD="part/parts").
        const auto [part, parts] = shard();
        int row = 0;
        for (std::size_t c = 0; c < fieldCases().size(); ++c)
            for (const auto& [how, name] : leaves())
                if (row++ % parts == part)
                    QTest::addRow("%s, %s", fieldCases()[c].name, name) << int(c) << int(how);
    }
    void everyLeaveStoresOrRefuses()
    {
        QFETCH(int, fieldCase);
        QFETCH(int, leave);
        const FieldCase& c = fieldCases()[std::size_t(fieldCase)];
        const auto how = static_cast<Leave>(leave);
        Editor e("sweep");
        e.show(c.node);
        auto* field = e.control<QLineEdit>(c.field);
        e.type(field, QString::fromUtf8(c.typed));
        e.leave(how, field, c.node);
        const Records& records = e.fixture.state.records;
        if (c.refusedBy.empty()) {
            QTRY_COMPARE(c.record(records), c.stored);
            if (!leavesTheTree(how)) QCOMPARE(field->text(), QString::fromUtf8(c.shown));
            QCOMPARE(e.fixture.messages.texts().find(msg::DataError), std::string::npos);
            // The page shown again from the records shows the same.
            e.show(c.node);
            QCOMPARE(field->text(), QString::fromUtf8(c.shown));
            return;
        }
        QTRY_VERIFY(!e.dataErrors().empty());
        for (const Message& m : e.dataErrors())
            QCOMPARE(m.title, c.refusedBy);
        QTRY_VERIFY(field->hasFocus());
        QTRY_COMPARE(e.selectedKey(), c.node);
        QTRY_VERIFY(e.highlighted(c.node));
        QCOMPARE(c.record(records), c.stored);
        QCOMPARE(field->text(), QString::fromUtf8(c.typed));
        QVERIFY(!std::filesystem::exists(e.savedPath()));
        QVERIFY(e.window().isVisible());
    }

    // With a real box taking the focus and giving it back, every later
    // leave validates as the first did.
    void everyLeaveAfterARefusalValidatesAgain()
    {
        Editor e("refusedTwice");
        e.fixture.messages.modal = true;
        e.show("E1");
        auto* rx = e.control<QLineEdit>("txtCRF");
        e.type(rx, "1");
        QTest::keyClick(rx, Qt::Key_Tab);
        QTRY_COMPARE(e.dataErrors().size(), std::size_t(1));
        QTRY_VERIFY(rx->hasFocus());
        e.type(rx, "160.0125");
        QTest::keyClick(rx, Qt::Key_Tab);
        QTRY_COMPARE(e.dataErrors().size(), std::size_t(2));
        QTRY_VERIFY(rx->hasFocus());
        QCOMPARE(e.fixture.state.records.exp[0].Rxfreq, 157.425);
        // Enter stores a valid correction at once, as a leave does.
        e.type(rx, "158");
        QTest::keyClick(rx, Qt::Key_Return);
        QTRY_COMPARE(e.fixture.state.records.exp[0].Rxfreq, 158.0);
        QCOMPARE(rx->text(), QString("158.0000"));
        QCOMPARE(e.dataErrors().size(), std::size_t(2));
    }

    // The leave check of an enabled EXP channel without a display: the
    // channel stays selected and the focus goes to the display box.
    void refusedEmptyDisplayKeepsTheChannel()
    {
        Editor e("emptyDisplay");
        e.fixture.state.records.exp[0].CHDisplayL.clear();
        e.show("E1");
        e.clickNode("E2");
        QCOMPARE(e.fixture.messages.shown.back().text, msg::leavePageError());
        QTRY_COMPARE(e.selectedKey(), std::string("E1"));
        QTRY_VERIFY(e.highlighted("E1"));
        QTRY_VERIFY(e.control<QLineEdit>("txtCNE_0")->hasFocus());
        // Edits go to the channel the tree shows.
        e.type(e.control<QLineEdit>("txtCNE_0"), "7");
        QCOMPARE(e.fixture.state.records.exp[0].CHDisplayL, std::string("7 "));
        QCOMPARE(e.fixture.state.records.exp[1].CHDisplayL, std::string());
    }

    // A frequency off the channel grid is shown snapped, so it is stored
    // snapped: the file and the radio get what the user sees.
    void snappedFrequencyIsWhatIsSaved()
    {
        Editor e("snapped");
        Records records = e.fixture.state.records;
        records.exp[0].Rxfreq = 157.0133;
        const std::filesystem::path file = e.fixture.folder / "offgrid.dat";
        writeBytes(file, ConfigFileWriter::compose(records, ModelMr4400, true));
        e.fixture.dialogs.paths.push_back(file.string());
        e.window().actions().fileOpen->trigger();
        QCOMPARE(e.fixture.state.records.exp[0].Rxfreq, 157.01);
        e.fixture.dialogs.paths.push_back(e.savedPath());
        e.window().actions().fileSaveAs->trigger();
        QVERIFY(readBytes(e.savedPath()).find("Rxfreq=157.01\r\n") != std::string::npos);
    }

    void frequencyKeyFilterHoldsOverThePlaceholder()
    {
        Editor e("placeholder");
        e.fixture.state.records.exp[1].Enable = true;
        e.fixture.state.records.exp[1].Rxfreq = 0.0;
        e.show("E2");
        auto* rx = e.control<QLineEdit>("txtCRF");
        QCOMPARE(rx->text(), QString("---.----"));
        rx->setFocus();
        rx->end(false);
        QTest::keyClick(rx, Qt::Key_Backspace);
        QTest::keyClicks(rx, "x");
        QCOMPARE(rx->text(), QString("---.---"));
        QTest::keyClicks(rx, "1");
        QCOMPARE(rx->text(), QString("---.---1"));
        rx->selectAll();
        QTest::keyClicks(rx, "1a5b6");
        QCOMPARE(rx->text(), QString("156"));
    }

    void statusNameShowsOnlyWhatIsStored()
    {
        Editor e("statusName");
        e.show("Usable");
        auto* name = e.control<QLineEdit>("txtUsable_1");
        e.type(name, "HARBOR");
        QCOMPARE(name->text(), QString("HARB"));
    }

    void tenDigitMmsisShowTheDigitsTyped()
    {
        Editor e("tenDigits");
        e.fixture.state.records.memoryId[0].Mmsid = "3671234500";
        e.fixture.state.records.groupId[0].Mmsid = "0367123450";
        e.show("SM1");
        QCOMPARE(e.control<QLineEdit>("txtGMMSI")->text(), QString("367123450"));
        e.show("SG1");
        QCOMPARE(e.control<QLineEdit>("txtGMMSI")->text(), QString("36712345"));
        // Typing is still held to the eight digits a group MMSI takes.
        e.type(e.control<QLineEdit>("txtGMMSI"), "123456789");
        QCOMPARE(e.control<QLineEdit>("txtGMMSI")->text(), QString("12345678"));
    }

    void txPoDisplayIsShownAsNotProgrammable()
    {
        Editor e("txPo");
        e.fixture.state.records.settings[slot::TxPoDisplay] = 2;
        e.show("Common");
        auto* list = e.control<QComboBox>("cmbCommonTXPo");
        QVERIFY(!list->isEnabled());
        QCOMPARE(list->currentIndex(), -1);
        QVERIFY(!list->toolTip().isEmpty());
        QVERIFY(e.window().grab().save(QString::fromStdString((e.fixture.folder / "common.png").string())));
        // Nothing of it outlives the configuration it came with.
        e.window().rebuild(false);
        QCOMPARE(int(e.fixture.state.records.settings[slot::TxPoDisplay]), 0);
    }

    void commandsThatDiscardEditsAskFirst_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("New") << "New";
        QTest::newRow("Open") << "Open";
        QTest::newRow("destination") << "destination";
    }
    void commandsThatDiscardEditsAskFirst()
    {
        QFETCH(QString, command);
        Editor e("askFirst");
        e.show("E1");
        e.type(e.control<QLineEdit>("txtCTag"), "BOAT");
        QVERIFY(e.fixture.state.flags.modified);
        const std::size_t asked = e.fixture.messages.shown.size();
        MainActions& a = e.window().actions();
        // An unchecked destination asks first whether to change to it.
        if (command == "destination" && !a.destinationItems[0]->isChecked())
            e.fixture.messages.answer(MessageAnswer::Ok);
        // Cancel keeps everything as it is.
        e.fixture.messages.answer(MessageAnswer::Cancel);
        e.fixture.dialogs.paths.push_back((e.fixture.folder / "other.dat").string());
        if (command == "New") a.fileNew->trigger();
        if (command == "Open") a.fileOpen->trigger();
        if (command == "destination") a.destinationItems[0]->trigger();
        const std::vector<Message>& shown = e.fixture.messages.shown;
        QVERIFY(shown.size() > asked);
        QCOMPARE(shown.back().text, msg::exitQuestion());
        QCOMPARE(shown.back().buttons, MessageButtons::YesNoCancel);
        QVERIFY(!e.window().fileMenu().newPending());
        QCOMPARE(e.fixture.state.records.exp[0].ChTag, std::string("BOAT"));
        QVERIFY(e.fixture.state.flags.modified);
    }
};

QTEST_MAIN(FidelityTest)
#include "tst_fidelity.moc"
