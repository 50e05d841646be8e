// The Usable CH Group, Common, DSC and ATIS pages inside the main window:
// what each control stores, the enable rules, the status names in the tree
// and captions, the User MMSI and ATIS code validation and the clear buttons.
#include <QtTest>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>

#include "files/appsettings.h"
#include "image/imagemap.h"
#include "support/simprocess.h"
#include "ui/mainwindow.h"
#include "ui/nodetree.h"
#include "ui/page.h"
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

QString shownPage(EditorFixture& editor)
{
    return editor.window->findChild<QStackedWidget*>("pageStack")->currentWidget()->objectName();
}

QString nodeText(EditorFixture& editor, const std::string& key)
{
    const int index = editor.window->tree().indexOfKey(key);
    return index == 0 ? QString() : editor.window->tree().node(index)->text(0);
}

// Shows a node's page afresh, as the user arriving on it from elsewhere.
void showNode(EditorFixture& editor, const std::string& key)
{
    editor.window->selectNodeByKey("General");
    editor.window->selectNodeByKey(key);
}

void choose(QComboBox* list, const QString& text)
{
    const int index = list->findText(text);
    if (index < 0) qFatal("no entry %s in %s", qPrintable(text), qPrintable(list->objectName()));
    list->setCurrentIndex(index);
}

void retype(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// The radio emulator on a pseudo-terminal, with the editor's port pointed at it.
class Radio {
  public:
    explicit Radio(EditorFixture& editor, const std::vector<std::string>& faults = {})
        : process_(unpaced(faults))
    {
        const std::string device = process_.firstLine();
        if (device.empty()) qFatal("no radio emulator");
        AppSettings settings(editor.settings);
        settings.setComNum(4);
        settings.setPortDevice(4, device);
    }

  private:
    static std::vector<std::string> unpaced(std::vector<std::string> faults)
    {
        faults.insert(faults.begin(), {"--baud", "0"});
        return faults;
    }

    SimProcess process_;
};

// Presses one button of every transfer dialog that opens and keeps its caption.
class DialogPresser {
  public:
    explicit DialogPresser(const char* button)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this, button] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog->objectName() != "frmRadio" || dialog == pressed_) return;
            pressed_ = dialog;
            captions << dialog->windowTitle();
            QTimer::singleShot(0, dialog->findChild<QPushButton*>(button), &QPushButton::click);
        });
        timer_.start(10);
    }
    QStringList captions;

  private:
    QTimer timer_;
    QPointer<QDialog> pressed_; // a later dialog may take the address of an ended one
};

void startEditor(EditorFixture& editor)
{
    writeDestination(editor.folder, "USA_1130.ini", ModelMr4400);
    if (!editor.start()) qFatal("start-up failed");
}

} // namespace

class SettingsPagesTest : public QObject {
    Q_OBJECT

  private slots:
    void uncheckingGroup2RemovesItsNodesAndCheckingRestoresThem()
    {
        EditorFixture editor("usableGroup2");
        startEditor(editor);
        editor.state.records.groups[Group2].Enable = true;
        editor.state.records.groups[ExpCh].Enable = true;
        editor.state.records.groups[ExpCh].ExpGroupFlags = {true, true, true};
        editor.window->refreshTree();
        showNode(editor, "Usable");
        QCOMPARE(shownPage(editor), QString("pictUsable"));
        QVERIFY(editor.window->tree().indexOfKey("PI0") != 0);
        auto* usable = control<QCheckBox>(editor, "chkUsable_1");
        QVERIFY(usable->isChecked());
        QVERIFY(control<QCheckBox>(editor, "chkEXP_1")->isChecked());

        usable->click();
        QVERIFY(!editor.state.records.groups[Group2].Enable);
        QCOMPARE(editor.window->tree().indexOfKey("PI"), 0);
        QCOMPARE(editor.window->tree().indexOfKey("PI0"), 0);
        QVERIFY(!control<QComboBox>(editor, "cmbUsablePri_1")->isEnabled());
        QVERIFY(!control<QLineEdit>(editor, "txtUsable_1")->isEnabled());
        QVERIFY(!control<QCheckBox>(editor, "chkEXP_1")->isChecked());
        QCOMPARE(editor.state.records.groups[ExpCh].ExpGroupFlags, (std::array<bool, 3>{true, false, true}));
        QVERIFY(editor.state.flags.modified);
        QCOMPARE(shownPage(editor), QString("pictUsable"));

        usable->click();
        QVERIFY(editor.window->tree().indexOfKey("PI") != 0);
        QVERIFY(editor.window->tree().indexOfKey("PI0") != 0);
        QVERIFY(control<QComboBox>(editor, "cmbUsablePri_1")->isEnabled());
        QVERIFY(control<QLineEdit>(editor, "txtUsable_1")->isEnabled());
    }

    void uncheckingExpGroupRemovesExpChannelNodeAndGreysMemberships()
    {
        EditorFixture editor("usableExp");
        startEditor(editor);
        editor.state.records.groups[ExpCh].Enable = true;
        editor.window->refreshTree();
        showNode(editor, "Usable");
        QVERIFY(editor.window->tree().indexOfKey("ExpChannel") != 0);
        control<QCheckBox>(editor, "chkUsable_3")->click();
        QCOMPARE(editor.window->tree().indexOfKey("ExpChannel"), 0);
        for (int member = 0; member < 3; ++member)
            QVERIFY(!control<QCheckBox>(editor, QString("chkEXP_%1").arg(member))->isEnabled());
    }

    void priorityListHoldsEnabledChannelsAndStoresTheChannelNumber()
    {
        EditorFixture editor("priority");
        startEditor(editor);
        Records& records = editor.state.records;
        records.groups[Group1].Enable = true;
        for (ChannelRecord& channel : records.usa)
            channel.Enable = false;
        records.usa[5].Enable = true;
        records.usa[9].Enable = true;
        records.groups[Group1].PriorityCh = records.usa[9].Position;
        records.groups[ExpCh].Enable = true;
        for (ChannelRecord& channel : records.exp)
            channel.Enable = false;
        records.exp[2].Enable = true;
        showNode(editor, "Usable");
        auto* list = control<QComboBox>(editor, "cmbUsablePri_0");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->currentIndex(), 1);
        QVERIFY(!editor.state.flags.modified);
        list->setCurrentIndex(0);
        QCOMPARE(records.groups[Group1].PriorityCh, int(records.usa[5].Position));
        QVERIFY(editor.state.flags.modified);
        auto* exp = control<QComboBox>(editor, "cmbUsablePri_3");
        QCOMPARE(exp->count(), 1);
        QCOMPARE(exp->itemText(0), QString("EXP3"));
        exp->setCurrentIndex(0);
        QCOMPARE(records.groups[ExpCh].PriorityCh, 242);
    }

    void statusNameIsCutToFourAndShownInTreeAndCaptions()
    {
        EditorFixture editor("statusName");
        startEditor(editor);
        editor.state.records.groups[Group1].Enable = true;
        editor.state.records.groups[Group1].StatusName.clear();
        editor.window->refreshTree();
        showNode(editor, "Usable");
        auto* name = control<QLineEdit>(editor, "txtUsable_0");
        retype(name, "HAR,BOR");                 // the comma is not a name character
        QCOMPARE(name->text(), QString("HARB")); // the field holds what is stored
        QVERIFY(editor.state.flags.modified);
        editor.window->selectNodeByKey("Common");
        QCOMPARE(shownPage(editor), QString("pictCommon"));
        QCOMPARE(editor.state.records.groups[Group1].StatusName, std::string("HARB"));
        QCOMPARE(nodeText(editor, "PU"), QString("Group1(HARB)"));
        QCOMPARE(control<QCheckBox>(editor, "chkEXP_0")->text(), QString("Group1[HARB]"));

        showNode(editor, "Usable");
        name->selectAll();
        QTest::keyClick(name, Qt::Key_Backspace);
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(editor.state.records.groups[Group1].StatusName, std::string());
        QCOMPARE(nodeText(editor, "PU"), QString("Group1"));
        QCOMPARE(control<QCheckBox>(editor, "chkEXP_0")->text(), QString("Group1"));
    }

    void commonListsStoreTheirValues_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("stored");
        QTest::newRow("offset +5:30") << "cmbCommonOffset"
                                      << "+5:30" << slot::OffsetTime << 11;
        QTest::newRow("offset zero") << "cmbCommonOffset"
                                     << " 0" << slot::OffsetTime << 0;
        QTest::newRow("offset -12:00") << "cmbCommonOffset"
                                       << "-12:00" << slot::OffsetTime << -24;
        QTest::newRow("offset +12:00") << "cmbCommonOffset"
                                       << "+12:00" << slot::OffsetTime << 24;
        QTest::newRow("weather alert on") << "cmbCommonWeater"
                                          << "On" << slot::Weater << 3;
        QTest::newRow("resume 5 s") << "cmbCommonResume"
                                    << "5Sec" << slot::ResumeTime << 5;
        QTest::newRow("local time") << "cmbCommonTimedisplay"
                                    << "Local" << slot::TimeDisplay << 1;
        QTest::newRow("24 hours") << "cmbCommonFormat"
                                  << "24H" << slot::Format << 1;
        QTest::newRow("sog kmh") << "cmbCommonSOG"
                                 << "KMH" << slot::Sog << 2;
        QTest::newRow("distance sm") << "cmbCommonDistance"
                                     << "Sm" << slot::Distance << 1;
        QTest::newRow("dual watch") << "cmbCommonDual"
                                    << "On" << slot::DualWatch << 1;
    }

    void commonListsStoreTheirValues()
    {
        QFETCH(QString, list);
        QFETCH(QString, entry);
        QFETCH(int, slot);
        QFETCH(int, stored);
        EditorFixture editor("common");
        startEditor(editor);
        // Start from another value, so that choosing the entry is a change.
        editor.state.records.settings[std::size_t(slot)] = static_cast<std::int16_t>(stored == 0 ? 1 : 0);
        showNode(editor, "Common");
        QVERIFY(!editor.state.flags.modified);
        choose(control<QComboBox>(editor, list), entry);
        QCOMPARE(int(editor.state.records.settings[std::size_t(slot)]), stored);
        QVERIFY(editor.state.flags.modified);
        // The stored value positions the list again when the page is shown.
        showNode(editor, "Common");
        QCOMPARE(control<QComboBox>(editor, list)->currentText(), entry);
    }

    void offsetListRunsFromMinus12ToPlus12()
    {
        EditorFixture editor("offsets");
        startEditor(editor);
        auto* offsets = control<QComboBox>(editor, "cmbCommonOffset");
        QCOMPARE(offsets->count(), 49);
        QCOMPARE(offsets->itemText(0), QString("-12:00"));
        QCOMPARE(offsets->itemText(23), QString("-0:30"));
        QCOMPARE(offsets->itemText(24), QString(" 0"));
        QCOMPARE(offsets->itemText(25), QString("+0:30"));
        QCOMPARE(offsets->itemText(48), QString("+12:00"));
    }

    void scanOffGreysResumeAndPttButKeepsTheirValues()
    {
        EditorFixture editor("scanRule");
        startEditor(editor);
        SettingValues& settings = editor.state.records.settings;
        settings[slot::Scan] = 1;
        settings[slot::ResumeTime] = 4;
        settings[slot::PttScanClear] = 1;
        showNode(editor, "Common");
        auto* resume = control<QComboBox>(editor, "cmbCommonResume");
        auto* ptt = control<QComboBox>(editor, "cmbCommonPTTSCAN");
        QVERIFY(resume->isEnabled() && ptt->isEnabled());
        choose(control<QComboBox>(editor, "cmbCommonScan"), "Off");
        QVERIFY(!resume->isEnabled() && !ptt->isEnabled());
        QCOMPARE(int(settings[slot::ResumeTime]), 4);
        QCOMPARE(int(settings[slot::PttScanClear]), 1);
        // The rule also holds right after filling.
        showNode(editor, "Common");
        QVERIFY(!resume->isEnabled() && !ptt->isEnabled());
        QCOMPARE(resume->currentText(), QString("4Sec"));
        choose(control<QComboBox>(editor, "cmbCommonScan"), "On");
        QVERIFY(resume->isEnabled() && ptt->isEnabled());
    }

    void dscPageHasFourTabsAndStatusNamesInItsLabels()
    {
        EditorFixture editor("dscTabs");
        startEditor(editor);
        editor.state.records.groups[Group2].StatusName = "HARB";
        showNode(editor, "DSC");
        QCOMPARE(shownPage(editor), QString("pictDSC"));
        auto* tabs = control<QTabWidget>(editor, "tbsDSC_USER");
        QCOMPARE(tabs->count(), 4);
        QStringList titles;
        for (int k = 0; k < tabs->count(); ++k)
            titles << tabs->tabText(k);
        QCOMPARE(titles, QStringList({"Basic Setup", "Advanced Setup1", "Advanced Setup2", "Display Setup"}));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(control<QLabel>(editor, "lblUsableDsc_1")->text(), QString("Group2[HARB]"));
        QCOMPARE(control<QLabel>(editor, "lblUsableDsc_3")->text(), QString("EXP"));
        tabs->setCurrentIndex(2);
        showNode(editor, "DSC");
        QCOMPARE(tabs->currentIndex(), 0);
    }

    void dscListsStoreIntoTheirSettings()
    {
        EditorFixture editor("dscLists");
        startEditor(editor);
        Records& records = editor.state.records;
        showNode(editor, "DSC");
        choose(control<QComboBox>(editor, "cmbUsableDsc_2"), "On");
        QCOMPARE(int(records.settings[slot::UsableDsc + 2]), 1);
        choose(control<QComboBox>(editor, "cmbUsableDscBeepOut_7"), "On");
        QCOMPARE(int(records.settings[slot::BeepOut + 7]), 1);
        choose(control<QComboBox>(editor, "cmbUsableDscPosRequest_2"), "On");
        choose(control<QComboBox>(editor, "cmbUsableDscPosRequestTX_2"), "Hi");
        QCOMPARE(int(records.settings[slot::PosRequestTx + 2]), 1);
        choose(control<QComboBox>(editor, "cmbUsableTestCall_1"), "On");
        QVERIFY(records.dscFlags[dscslot::receive(5, 1)]);
        choose(control<QComboBox>(editor, "cmbUsablePosRepCallTX_0"), "Hi");
        QVERIFY(records.dscFlags[dscslot::transmit(4, 0)]);
        choose(control<QComboBox>(editor, "cmbDscDisplay_1"), "On");
        QVERIFY(records.dscFlags[dscslot::IndividualAckMenu]);
        QVERIFY(editor.state.flags.modified);
        // The choices the radio's memory has no place for say so; the
        // Distress Cancel Call and the first seven beeps reach the radio.
        const QString notSent("Saved in the file, not sent to the radio.");
        for (const char* name :
             {"cmbUsableDscPosRequest_1", "cmbUsableDscPosRequestTX_0", "cmbUsableDscBeepOut_7"})
            QCOMPARE(control<QComboBox>(editor, name)->toolTip(), notSent);
        for (const char* name : {"cmbUsableDscPosRequest_0", "cmbUsableDscBeepOut_6", "cmbUsableDsc_3"})
            QVERIFY(control<QComboBox>(editor, name)->toolTip().isEmpty());
    }

    void callOffGreysItsPowerWithoutChangingIt()
    {
        EditorFixture editor("dscPower");
        startEditor(editor);
        Records& records = editor.state.records;
        records.dscFlags[dscslot::receive(0, 3)] = true;
        records.dscFlags[dscslot::transmit(0, 3)] = true;
        records.settings[slot::PosRequest] = 0;
        showNode(editor, "DSC");
        auto* power = control<QComboBox>(editor, "cmbUsableDscAllShipsCallTX_3");
        QVERIFY(power->isEnabled());
        QCOMPARE(power->currentText(), QString("Hi"));
        QVERIFY(!control<QComboBox>(editor, "cmbUsableDscPosRequestTX_0")->isEnabled());
        choose(control<QComboBox>(editor, "cmbUsableDscAllShipsCall_3"), "Off");
        QVERIFY(!power->isEnabled());
        QVERIFY(!records.dscFlags[dscslot::receive(0, 3)]);
        QVERIFY(records.dscFlags[dscslot::transmit(0, 3)]);
    }

    void userMmsiNeedsNineDigitsAndStoresTheFinalZero()
    {
        EditorFixture editor("userMmsi");
        startEditor(editor);
        editor.state.records.userMmsi = "2111111110";
        showNode(editor, "DSC");
        auto* mmsi = control<QLineEdit>(editor, "txtUserMMSI");
        QCOMPARE(mmsi->text(), QString("211111111"));
        retype(mmsi, "12a345678");
        QCOMPARE(mmsi->text(), QString("12345678"));
        editor.window->selectNodeByKey("Common");
        QCOMPARE(shownPage(editor), QString("pictDSC"));
        QCOMPARE(editor.window->tree().keyOf(editor.window->tree().selectedIndex()), std::string("DSC"));
        QVERIFY(!editor.messages.shown.empty());
        const Message& refused = editor.messages.shown.back();
        QCOMPARE(refused.title, std::string("User MMSI"));
        QCOMPARE(refused.text, std::string("Data Error!!"));
        QCOMPARE(refused.detail, std::string("Numeric Only. Indispensable 9 figures."));
        QCOMPARE(int(refused.icon), int(MessageIcon::Warning));
        QCOMPARE(editor.state.records.userMmsi, std::string("2111111110"));

        QTest::keyClicks(mmsi, "9");
        editor.window->selectNodeByKey("Common");
        QCOMPARE(shownPage(editor), QString("pictCommon"));
        QCOMPARE(editor.state.records.userMmsi, std::string("1234567890"));

        showNode(editor, "DSC");
        retype(mmsi, "");
        editor.window->selectNodeByKey("Common");
        QCOMPARE(editor.state.records.userMmsi, std::string());
    }

    void leavingMmsiForAnotherControlValidatesAndKeepsTheFocus()
    {
        EditorFixture editor("mmsiFocus");
        startEditor(editor);
        editor.window->show();
        editor.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor.window.get()));
        showNode(editor, "DSC");
        auto* mmsi = control<QLineEdit>(editor, "txtUserMMSI");
        mmsi->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(mmsi->hasFocus());
        retype(mmsi, "1234");
        control<QComboBox>(editor, "cmbUsableDsc_0")->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(mmsi->hasFocus());
        QCOMPARE(editor.messages.shown.size(), std::size_t(1));
        QCOMPARE(editor.messages.shown.back().title, std::string("User MMSI"));
        // Turning to another tab: the refusal brings the field's tab back
        // with the focus.
        auto* tabs = control<QTabWidget>(editor, "tbsDSC_USER");
        const int own = tabs->currentIndex();
        tabs->setCurrentIndex(own == 0 ? 1 : 0);
        QTRY_COMPARE(editor.messages.shown.size(), std::size_t(2));
        QCOMPARE(tabs->currentIndex(), own);
        QTRY_VERIFY(mmsi->hasFocus());
        // An accepted text is stored on leaving without a message.
        QTest::keyClicks(mmsi, "56789");
        control<QComboBox>(editor, "cmbUsableDsc_0")->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(!mmsi->hasFocus());
        QCOMPARE(editor.state.records.userMmsi, std::string("1234567890"));
        QCOMPARE(editor.messages.shown.size(), std::size_t(2));
    }

    void mmsiClearCancelledLeavesTheCount()
    {
        EditorFixture editor("mmsiClear");
        startEditor(editor);
        showNode(editor, "DSC");
        auto* count = control<QLineEdit>(editor, "txtFCount");
        QCOMPARE(count->text(), QString("0"));
        // Had the page been filled again, the count would now read 1.
        editor.state.image[address::UserMmsiCounter] = 1;
        DialogPresser cancel("cmdCancel");
        control<QPushButton>(editor, "cmdFClear")->click();
        QCOMPARE(cancel.captions, QStringList{"Clear MMSI Data"});
        QCOMPARE(count->text(), QString("0"));
        QVERIFY(!editor.state.flags.modified);
    }

    void completedMmsiClearRefillsThePageAndSetsModified()
    {
        EditorFixture editor("mmsiCleared");
        Radio radio(editor);
        startEditor(editor);
        editor.state.image[address::UserMmsiCounter] = 1;
        showNode(editor, "DSC");
        auto* count = control<QLineEdit>(editor, "txtFCount");
        QCOMPARE(count->text(), QString("1"));
        DialogPresser ok("cmdOK");
        control<QPushButton>(editor, "cmdFClear")->click();
        QCOMPARE(ok.captions, QStringList{"Clear MMSI Data"});
        QCOMPARE(int(editor.state.image[address::UserMmsiCounter]), 0);
        QCOMPARE(count->text(), QString("0"));
        QVERIFY(editor.state.flags.modified);
        QCOMPARE(shownPage(editor), QString("pictDSC"));
    }

    void clearCancelledAtTheBusyRadioChangesNothing()
    {
        EditorFixture editor("clearNotReady");
        Radio radio(editor, {"--busy", "1"});
        startEditor(editor);
        showNode(editor, "DSC");
        auto* tabs = control<QTabWidget>(editor, "tbsDSC_USER");
        tabs->setCurrentIndex(2);
        DialogPresser ok("cmdOK");
        // The busy radio's question is answered with Cancel: a cancel, not "Radio not ready!!".
        editor.messages.answer(MessageAnswer::Cancel);
        control<QPushButton>(editor, "cmdFclearLog_0")->click();
        QCOMPARE(ok.captions, QStringList{"Clear Individual Directory"});
        QVERIFY(editor.messages.texts().find("Radio not ready!!") == std::string::npos);
        QCOMPARE(tabs->currentIndex(), 2);
        QVERIFY(!editor.state.flags.modified);
    }

    void clearButtonsOpenTheirOperations()
    {
        EditorFixture editor("logClear");
        startEditor(editor);
        showNode(editor, "DSC");
        DialogPresser cancel("cmdCancel");
        for (int k = 0; k < 7; ++k)
            control<QPushButton>(editor, QString("cmdFclearLog_%1").arg(k))->click();
        QCOMPARE(cancel.captions,
                 QStringList({"Clear Individual Directory", "Clear Group Directory",
                              "Clear WayPoint Directory", "Clear Distress Log Data", "Clear DSC TX Log Data",
                              "Clear DSC Log Data", "Clear All Data"}));
    }

    void clearRefusedByTheLeaveCheckOpensNothing()
    {
        EditorFixture editor("clearRefused");
        startEditor(editor);
        showNode(editor, "DSC");
        retype(control<QLineEdit>(editor, "txtUserMMSI"), "123");
        bool opened = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            opened = true;
            dialog->reject();
        });
        poll.start(20);
        control<QPushButton>(editor, "cmdFClear")->click();
        poll.stop();
        QVERIFY(!opened);
        QCOMPARE(editor.messages.shown.back().title, std::string("User MMSI"));
    }

    void atisCodeNeedsTenDigitsAndAUsableGroup()
    {
        EditorFixture editor("atisCode");
        startEditor(editor);
        Records& records = editor.state.records;
        for (UsableGroup& group : records.groups)
            group.Enable = false;
        showNode(editor, "ATIS");
        QCOMPARE(shownPage(editor), QString("pictATIS"));
        auto* code = control<QLineEdit>(editor, "txtATIScode");
        QVERIFY(!code->isEnabled());

        records.groups[Group3].Enable = true;
        showNode(editor, "ATIS");
        QVERIFY(code->isEnabled());
        retype(code, "921123456");
        editor.window->selectNodeByKey("Common");
        QCOMPARE(shownPage(editor), QString("pictATIS"));
        QCOMPARE(editor.messages.shown.back().title, std::string("ATISNo"));
        QCOMPARE(editor.messages.shown.back().text, std::string("Data Error!!"));
        QCOMPARE(editor.messages.shown.back().detail, std::string("Numeric Only. Indispensable 10 figures."));
        QTest::keyClicks(code, "7");
        editor.window->selectNodeByKey("Common");
        QCOMPARE(shownPage(editor), QString("pictCommon"));
        QCOMPARE(records.atisCode, std::string("9211234567"));
    }

    void atisBoxesStoreTheirGroupsWithNamedCaptions()
    {
        EditorFixture editor("atisBoxes");
        startEditor(editor);
        Records& records = editor.state.records;
        records.groups[Group1].StatusName = "HARB";
        records.settings[slot::UsableAtis + 2] = 0;
        records.settings[slot::AtisKiller + 3] = 0;
        showNode(editor, "ATIS");
        QCOMPARE(control<QCheckBox>(editor, "chkATISChGroup_0")->text(), QString("Group1[HARB]"));
        QCOMPARE(control<QCheckBox>(editor, "chkATISKiller_3")->text(), QString("EXP CH Group"));
        // The image holds no ATIS groups: the page says they stay in the file.
        const QString notSent("Saved in the file, not sent to the radio.");
        QCOMPARE(control<QCheckBox>(editor, "chkATISKiller_1")->toolTip(), notSent);
        QCOMPARE(control<QLabel>(editor, "lblATISNotSent_0")->text(), notSent);
        QVERIFY(!control<QLabel>(editor, "lblATISNotSent_1")->isHidden());
        control<QCheckBox>(editor, "chkATISChGroup_2")->click();
        control<QCheckBox>(editor, "chkATISKiller_3")->click();
        QCOMPARE(int(records.settings[slot::UsableAtis + 2]), 1);
        QCOMPARE(int(records.settings[slot::AtisKiller + 3]), 1);
        QVERIFY(editor.state.flags.modified);
    }

    void showingSettingsPagesNeverCountsAsAnEdit()
    {
        EditorFixture editor("noEdit");
        startEditor(editor);
        for (const char* key : {"Usable", "Common", "DSC", "ATIS"}) {
            showNode(editor, key);
            QVERIFY2(!editor.state.flags.modified, key);
        }
    }
};

QTEST_MAIN(SettingsPagesTest)
#include "tst_settingspages.moc"
