// The directory entry editor: registered, first free and later slots, Add,
// Delete with the shift of the following entries, the name and MMSI fields.
#include <QtTest>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

#include "image/newimage.h"
#include "message/messagetexts.h"
#include "ui/checknote.h"
#include "ui/directoryentrypage.h"
#include "uitestsupport.h"

using namespace zmp;
using namespace zmp::test;

namespace {

struct EntryPage {
    EntryPage()
    {
        makeNewImage(ModelMr4400, state.records, state.image);
        page = std::make_unique<DirectoryEntryPage>(PageContext{state, messages});
        page->show();
    }
    void registerEntries(Directory& list, int count) const
    {
        for (int n = 1; n <= count; ++n) {
            DirectoryEntry& e = list[static_cast<std::size_t>(n - 1)];
            e.Enable = true;
            e.TagName = "STATION" + std::to_string(n);
            e.Mmsid = std::to_string(n) + "00000000";
        }
    }
    QCheckBox* add() const { return page->findChild<QCheckBox*>("chkGEnable"); }
    QCheckBox* remove() const { return page->findChild<QCheckBox*>("chkGDelete"); }
    QLineEdit* name() const { return page->findChild<QLineEdit*>("txtGPosi"); }
    QLineEdit* mmsi() const { return page->findChild<QLineEdit*>("txtGMMSI"); }
    void typeMmsi(const QString& text) const
    {
        mmsi()->selectAll();
        QTest::keyClick(mmsi(), Qt::Key_Delete);
        QTest::keyClicks(mmsi(), text);
    }

    EditorState state;
    ScriptedMessages messages;
    std::unique_ptr<DirectoryEntryPage> page;
};

} // namespace

class DirectoryEntryPageTest : public QObject {
    Q_OBJECT

  private slots:
    void registeredEntryIsEditable()
    {
        EntryPage e;
        e.registerEntries(e.state.records.memoryId, 2);
        QSignalSpy texts(e.page.get(), &Page::directoryTextsChanged);
        e.page->fill("SM2");
        QCOMPARE(e.name()->text(), QString("STATION2"));
        QCOMPARE(e.mmsi()->text(), QString("200000000"));
        QVERIFY(e.add()->isChecked());
        QVERIFY(!e.add()->isEnabled());
        QVERIFY(!e.remove()->isChecked());
        QVERIFY(e.remove()->isEnabled());
        QVERIFY(e.name()->isEnabled());
        QVERIFY(e.mmsi()->isEnabled());
        QVERIFY(!e.page->findChild<QLabel*>("lblGroup")->isVisible());
        QCOMPARE(e.page->findChild<QLabel*>("lblGPosi")->text(), QString("Station Name"));
        QCOMPARE(e.mmsi()->maxLength(), 9);
        QCOMPARE(e.add()->property("helpContext").toInt(), 2304);
        QCOMPARE(e.name()->property("helpContext").toInt(), 2306);
        QCOMPARE(e.mmsi()->property("helpContext").toInt(), 2308);
        QCOMPARE(e.mmsi()->property("statusHint").toString(), QString(msg::MmsiHint));
        QCOMPARE(texts.count(), 1);
        QVERIFY(e.messages.shown.empty());
        QVERIFY(!e.state.flags.modified);
    }

    void slotAfterAnIncompleteEntryCannotBeAdded()
    {
        EntryPage e;
        e.registerEntries(e.state.records.memoryId, 2);
        e.state.records.memoryId[1].Mmsid.clear();
        e.page->fill("SM3");
        QCOMPARE(e.messages.shown.size(), std::size_t(1));
        QCOMPARE(e.messages.shown[0].text, std::string("Data Error!!"));
        QCOMPARE(e.messages.shown[0].title, std::string("Individual Directory"));
        QCOMPARE(e.messages.shown[0].icon, MessageIcon::Warning);
        QVERIFY(!e.add()->isEnabled());
        QVERIFY(!e.add()->isChecked());
        QVERIFY(e.remove()->isChecked());
        QVERIFY(!e.remove()->isEnabled());
        QVERIFY(!e.name()->isEnabled());
        e.page->fill("SM5");
        QCOMPARE(e.messages.shown.size(), std::size_t(1));
        QVERIFY(!e.add()->isEnabled());
        QVERIFY(!e.mmsi()->isEnabled());
    }

    void firstSlotOfAnEmptyDirectoryAddsWithoutMessage()
    {
        EntryPage e;
        QSignalSpy texts(e.page.get(), &Page::directoryTextsChanged);
        e.page->fill("SG1");
        QVERIFY(e.messages.shown.empty());
        QVERIFY(e.add()->isEnabled());
        QVERIFY(!e.name()->isEnabled());
        e.add()->click();
        QVERIFY(e.state.records.groupId[0].Enable);
        QVERIFY(e.state.flags.modified);
        QVERIFY(e.name()->isEnabled());
        QVERIFY(e.mmsi()->isEnabled());
        QVERIFY(!e.add()->isEnabled());
        QVERIFY(e.remove()->isEnabled());
        QCOMPARE(texts.count(), 2);
    }

    void deletingEntry3Of5MovesTheRestUp()
    {
        EntryPage e;
        e.registerEntries(e.state.records.memoryId, 5);
        e.state.records.memoryId[3].MemberFlags[7] = true;
        e.page->fill("SM3");
        e.messages.answer(MessageAnswer::Yes);
        e.remove()->click();
        QCOMPARE(e.messages.shown.size(), std::size_t(1));
        QCOMPARE(e.messages.shown[0].text, std::string("Are you sure ?"));
        QCOMPARE(e.messages.shown[0].title, e.state.title());
        QCOMPARE(e.messages.shown[0].icon, MessageIcon::Critical);
        QCOMPARE(e.messages.shown[0].buttons, MessageButtons::YesNo);
        const Directory& list = e.state.records.memoryId;
        for (int k = 0; k < 4; ++k)
            QVERIFY(list[static_cast<std::size_t>(k)].Enable);
        QVERIFY(!list[4].Enable);
        QCOMPARE(list[2].TagName, std::string("STATION4"));
        QCOMPARE(list[2].Mmsid, std::string("400000000"));
        QVERIFY(list[2].MemberFlags[7]);
        QCOMPARE(list[3].TagName, std::string("STATION5"));
        QVERIFY(list.back().TagName.empty() && list.back().Mmsid.empty() && !list.back().Enable);
        QCOMPARE(e.name()->text(), QString("STATION4"));
        QVERIFY(e.state.flags.modified);
    }

    void deleteAnsweredNoChangesNothing()
    {
        EntryPage e;
        e.registerEntries(e.state.records.memoryId, 3);
        e.page->fill("SM2");
        e.messages.answer(MessageAnswer::No);
        e.remove()->click();
        QVERIFY(!e.remove()->isChecked());
        QCOMPARE(e.state.records.memoryId[1].TagName, std::string("STATION2"));
        QVERIFY(e.state.records.memoryId[2].Enable);
        QVERIFY(!e.state.flags.modified);
    }

    void clearingTheMmsiDeletesTheEntry()
    {
        EntryPage e;
        e.registerEntries(e.state.records.memoryId, 3);
        e.page->fill("SM1");
        e.typeMmsi("");
        QVERIFY(e.state.flags.modified);
        QVERIFY(e.page->canLeave());
        const Directory& list = e.state.records.memoryId;
        QCOMPARE(list[0].TagName, std::string("STATION2"));
        QCOMPARE(list[1].TagName, std::string("STATION3"));
        QVERIFY(!list[2].Enable);
        QVERIFY(e.messages.shown.empty());
    }

    void mmsiOfTheWrongLengthIsRefused()
    {
        EntryPage e;
        e.registerEntries(e.state.records.memoryId, 1);
        e.page->fill("SM1");
        e.typeMmsi("12a345678"); // the letter never enters
        QCOMPARE(e.mmsi()->text(), QString("12345678"));
        QVERIFY(!e.page->canLeave());
        QCOMPARE(e.messages.shown.back().detail, std::string("Numeric Only. Indispensable 9 figures."));
        QCOMPARE(e.state.records.memoryId[0].Mmsid, std::string("100000000"));
        QCOMPARE(e.mmsi()->text(), QString("12345678"));
        QTest::keyClicks(e.mmsi(), "9");
        QVERIFY(e.page->canLeave());
        QCOMPARE(e.state.records.memoryId[0].Mmsid, std::string("123456789"));
    }

    void movingToTheNameValidatesTheMmsi()
    {
        EntryPage e;
        e.registerEntries(e.state.records.memoryId, 2);
        e.page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(e.page.get()));
        e.page->fill("SM1");
        e.mmsi()->setFocus();
        e.typeMmsi("1234");
        e.name()->setFocus();
        QTRY_VERIFY(e.mmsi()->hasFocus());
        QCOMPARE(e.state.records.memoryId[0].Mmsid, std::string("100000000"));
        e.typeMmsi("");
        e.name()->setFocus();
        QTRY_COMPARE(e.state.records.memoryId[0].TagName, std::string("STATION2"));
        QVERIFY(!e.state.records.memoryId[1].Enable);
    }

    void groupIdTakesEightDigitsAfterTheFixedZero()
    {
        EntryPage e;
        e.registerEntries(e.state.records.groupId, 1);
        e.state.records.groupId[0].Mmsid = "0123456780";
        e.page->fill("SG1");
        QVERIFY(e.page->findChild<QLabel*>("lblGroup")->isVisible());
        QCOMPARE(e.page->findChild<QLabel*>("lblGPosi")->text(), QString("Group Name"));
        QCOMPARE(e.mmsi()->text(), QString("12345678"));
        QCOMPARE(e.add()->property("helpContext").toInt(), 2305);
        QCOMPARE(e.name()->property("helpContext").toInt(), 2307);
        QCOMPARE(e.mmsi()->property("helpContext").toInt(), 2309);
        e.typeMmsi("8765432");
        QVERIFY(!e.page->canLeave());
        QCOMPARE(e.messages.shown.back().detail,
                 std::string("Numeric Only. Indispensable 8 figures after the fixed 0."));
        QCOMPARE(e.mmsi()->maxLength(), 8);
        e.typeMmsi("876543210");
        QCOMPARE(e.mmsi()->text(), QString("87654321"));
        QVERIFY(e.page->canLeave());
        QCOMPARE(e.state.records.groupId[0].Mmsid, std::string("087654321"));
    }

    // The field shows the digits the user types, never the tenth place of
    // an MMSI read from a radio; a tenth digit other than 0 is told in the
    // field's note, since the radio gets 0 there.
    void fieldShowsTypedDigitsAndNotesAStrayTenth_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("warned");
        QTest::newRow("memory, padding 0") << "SM1"
                                           << "2321234560"
                                           << "232123456" << false;
        QTest::newRow("memory, typed") << "SM1"
                                       << "232123456"
                                       << "232123456" << false;
        QTest::newRow("memory, stray 7") << "SM1"
                                         << "2321234567"
                                         << "232123456" << true;
        QTest::newRow("group, padding 0") << "SG1"
                                          << "0232123450"
                                          << "23212345" << false;
        QTest::newRow("group, stray 9") << "SG1"
                                        << "0232123459"
                                        << "23212345" << true;
    }
    void fieldShowsTypedDigitsAndNotesAStrayTenth()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(bool, warned);
        EntryPage e;
        CheckNote::attachAll(*e.page);
        Directory& list = key == "SG1" ? e.state.records.groupId : e.state.records.memoryId;
        e.registerEntries(list, 1);
        list[0].Mmsid = stored.toStdString();
        e.page->fill(key.toStdString());
        QCOMPARE(e.mmsi()->text(), shown);
        auto* note = e.page->findChild<QLabel*>("lblNote_txtGMMSI");
        QTRY_VERIFY(!note->text().isEmpty());
        QCOMPARE(note->text().contains("tenth digit " + stored.right(1)), warned);
        QVERIFY(e.page->canLeave());
        QCOMPARE(list[0].Mmsid, stored.toStdString());
    }

    void nameIsFilteredAndStoredWhenValidated()
    {
        EntryPage e;
        e.registerEntries(e.state.records.memoryId, 1);
        e.page->fill("SM1");
        e.name()->selectAll();
        QTest::keyClick(e.name(), Qt::Key_Delete);
        QTest::keyClicks(e.name(), "PORT_#OFFICE.");
        QCOMPARE(e.name()->text(), QString("PORTOFFICE."));
        QCOMPARE(e.state.records.memoryId[0].TagName, std::string("STATION1"));
        QTest::keyClick(e.name(), Qt::Key_Return);
        QCOMPARE(e.state.records.memoryId[0].TagName, std::string("PORTOFFICE."));
        QVERIFY(e.state.flags.modified);
        e.name()->setText("   ");
        QVERIFY(e.page->canLeave());
        QCOMPARE(e.state.records.memoryId[0].TagName, std::string("PORTOFFICE."));
    }
};

QTEST_MAIN(DirectoryEntryPageTest)
#include "tst_directoryentrypage.moc"
