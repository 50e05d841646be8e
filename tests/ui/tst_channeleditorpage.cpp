// The channel editor: display forms, the enable cascade, the channel rules,
// the EXP frequency validation and the leave-page check.
#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

#include "image/newimage.h"
#include "message/messagetexts.h"
#include "ui/channeleditorpage.h"
#include "uitestsupport.h"

using namespace zmp;
using namespace zmp::test;

namespace {

// Plan rows of the channels the cases use.
constexpr int Row16 = 32;
constexpr int Row15 = 30;
constexpr int Row20 = 40;
constexpr int Row22A = 45;
constexpr int Row70 = 140;
constexpr int Row105 = 210;
constexpr int Row117 = 234;

struct EditorPage {
    EditorPage()
    {
        makeNewImage(ModelMr4400, state.records, state.image);
        page = std::make_unique<ChannelEditorPage>(PageContext{state, messages});
        page->show();
    }
    template <typename T>
    T* child(const char* name) const
    {
        T* widget = page->findChild<T*>(QString::fromUtf8(name));
        if (!widget) qFatal("no control %s", name);
        return widget;
    }
    QCheckBox* box(const char* name) const { return child<QCheckBox>(name); }
    QLineEdit* text(const char* name) const { return child<QLineEdit>(name); }
    void type(const char* name, const QString& value) const
    {
        QLineEdit* field = text(name);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, value);
    }

    EditorState state;
    ScriptedMessages messages;
    std::unique_ptr<ChannelEditorPage> page;
};

} // namespace

class ChannelEditorPageTest : public QObject {
    Q_OBJECT

  private slots:
    void numberBoxesShowTheDisplayForms_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("22A") << Row22A << "22"
                             << "A";
        QTest::newRow("105") << Row105 << "o5"
                             << "";
        QTest::newRow("117") << Row117 << "'7"
                             << "";
        QTest::newRow("16") << Row16 << "16"
                            << "";
    }
    void numberBoxesShowTheDisplayForms()
    {
        QFETCH(int, row);
        EditorPage e;
        e.page->fill("PU" + std::to_string(row));
        QTEST(e.text("txtCN_0")->text(), "number");
        QTEST(e.text("txtCN_1")->text(), "suffix");
        QVERIFY(e.text("txtCN_0")->isReadOnly());
        QVERIFY(e.text("txtCRF")->isReadOnly());
        QVERIFY(e.text("txtCTF")->isReadOnly());
        QVERIFY(e.text("txtCN_0")->isVisible());
        QVERIFY(!e.text("txtCNE_0")->isVisible());
        QCOMPARE(e.text("txtCN_0")->property("statusHint").toString(), QString(msg::TwoFiguresHint));
        QCOMPARE(e.text("txtCN_1")->property("statusHint").toString(), QString(msg::OneFigureHint));
    }

    void groupChannelShowsPlanFrequenciesAndFlags()
    {
        EditorPage e;
        e.state.records.usa[Row20].Duplex = true;
        e.page->fill("PU" + std::to_string(Row20));
        QCOMPARE(e.text("txtCRF")->text(), QString("161.600"));
        QCOMPARE(e.text("txtCTF")->text(), QString("157.000"));
        QVERIFY(e.box("chkCEnable")->isChecked());
        QVERIFY(e.box("chkCDup")->isChecked());
        QVERIFY(e.box("chkCDup")->isEnabled());
        QVERIFY(e.box("chkCTXEnable")->isVisible());
        QCOMPARE(e.box("chkCEnable")->property("helpContext").toInt(), 1028);
        QCOMPARE(e.box("chkCTXEnable")->property("helpContext").toInt(), 1029);
        QCOMPARE(e.box("chkCDup")->property("helpContext").toInt(), 1030);
        QCOMPARE(e.box("chkCTXOnly")->property("helpContext").toInt(), 1031);
        QCOMPARE(e.box("chkCTXPower")->property("helpContext").toInt(), 1032);
        QCOMPARE(e.box("chkCScan")->property("helpContext").toInt(), 1033);
        QCOMPARE(e.text("txtCTag")->property("helpContext").toInt(), 1034);
        QCOMPARE(e.child<QComboBox>("cmbScramble")->property("helpContext").toInt(), 1064);
        QVERIFY(!e.child<QComboBox>("cmbScramble")->isVisible());
    }

    void duplexClickStoresAndSwitchesTheReceiveFrequency()
    {
        EditorPage e;
        const int row06 = 12;
        e.page->fill("PU" + std::to_string(row06));
        QVERIFY(!e.box("chkCDup")->isChecked());
        QCOMPARE(e.text("txtCRF")->text(), QString("156.300"));
        e.box("chkCDup")->click();
        QVERIFY(e.state.records.usa[row06].Duplex);
        QCOMPARE(e.text("txtCRF")->text(), QString("160.900"));
        QVERIFY(e.state.flags.modified);
        e.box("chkCDup")->click();
        QVERIFY(!e.state.records.usa[row06].Duplex);
        QCOMPARE(e.text("txtCRF")->text(), QString("156.300"));
    }

    void receiveOnlyChannelCannotTransmit()
    {
        EditorPage e;
        ChannelRecord& ch15 = e.state.records.usa[Row15];
        QVERIFY(ch15.ReceiveOnly);
        ch15.TxEnable = true; // even a record claiming it shows no transmit
        e.page->fill("PU" + std::to_string(Row15));
        QCOMPARE(e.text("txtCTF")->text(), QString("---.---"));
        QVERIFY(!e.box("chkCTXEnable")->isChecked());
        QVERIFY(!e.box("chkCTXEnable")->isEnabled());
        QVERIFY(!e.box("chkCTXOnly")->isEnabled());
    }

    void channel70NeverOffersScanMemory()
    {
        EditorPage e;
        e.page->setScramblerFeature(true);
        e.page->fill("PU" + std::to_string(Row70));
        QVERIFY(e.box("chkCEnable")->isChecked());
        QVERIFY(!e.box("chkCScan")->isEnabled());
        QVERIFY(!e.child<QComboBox>("cmbScramble")->isEnabled());
        e.page->fill("PU" + std::to_string(Row16));
        QVERIFY(e.box("chkCScan")->isEnabled());
        QVERIFY(!e.child<QComboBox>("cmbScramble")->isEnabled());
        QVERIFY(!e.child<QLabel>("lblScramble")->isEnabled());
    }

    void uncheckingChEnableGreysEveryField()
    {
        EditorPage e;
        QSignalSpy texts(e.page.get(), &Page::nodeTextChanged);
        e.page->fill("PU" + std::to_string(Row22A));
        e.box("chkCEnable")->click();
        QVERIFY(!e.state.records.usa[Row22A].Enable);
        QVERIFY(e.state.flags.modified);
        for (const char* name : {"txtCN_0", "txtCN_1", "txtCRF", "txtCTF", "txtCTag"})
            QVERIFY2(!e.text(name)->isEnabled(), name);
        for (const char* name : {"chkCTXEnable", "chkCTXOnly", "chkCTXPower", "chkCDup", "chkCScan"})
            QVERIFY2(!e.box(name)->isEnabled(), name);
        for (const char* name : {"lblCN", "lblCRF", "lblCTF", "lblCRFMHz", "lblCTFMHz", "lblCTag"})
            QVERIFY2(!e.child<QLabel>(name)->isEnabled(), name);
        QCOMPARE(texts.count(), 1);
        QCOMPARE(texts.at(0).at(0).toString(), QString("PU45"));
        QCOMPARE(texts.at(0).at(1).toString(), QString("CH22A"));

        e.box("chkCEnable")->click();
        QVERIFY(e.state.records.usa[Row22A].Enable);
        QVERIFY(e.text("txtCTag")->isEnabled());
        QVERIFY(e.box("chkCScan")->isEnabled());
        QVERIFY(!e.box("chkCDup")->isEnabled()); // 22A has no duplex pair
        QCOMPARE(texts.at(1).at(1).toString(), QString("CH22A[Enable]"));
    }

    // The fields stand in one column whatever their captions; on an EXP
    // channel, where Tx Enable is hidden, Low Power Only takes its place
    // without the line that ties it to Tx Enable.
    void fieldsLineUpAndLinesTieOnlyToShownBoxes_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("display");
        QTest::newRow("group channel") << "PU40"
                                       << "txtCN_0";
        QTest::newRow("EXP channel") << "E1"
                                     << "txtCNE_0";
    }
    void fieldsLineUpAndLinesTieOnlyToShownBoxes()
    {
        QFETCH(QString, key);
        QFETCH(QString, display);
        EditorPage e;
        e.page->setScramblerFeature(true);
        e.page->fill(key.toStdString());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const auto left = [&e](const QString& name) {
            const auto* widget = e.child<QWidget>(name.toUtf8().constData());
            return widget->mapTo(e.page.get(), QPoint()).x();
        };
        for (const QString field : {"txtCRF", "txtCTF", "cmbScramble", "txtCTag"})
            QVERIFY2(left(field) == left(display), qPrintable(field));
        const bool txShown = e.box("chkCTXEnable")->isVisible();
        QCOMPARE(e.child<QFrame>("linCTXOnly")->isVisible(), txShown);
        if (!txShown) QCOMPARE(left("chkCTXOnly"), left("chkCEnable"));
    }

    void txEnableUncheckedDisablesLowPowerAndPowerUp()
    {
        EditorPage e;
        ChannelRecord& ch = e.state.records.usa[Row16];
        ch.LowPower = true;
        ch.PowUp = true;
        e.page->fill("PU" + std::to_string(Row16));
        QVERIFY(e.box("chkCTXOnly")->isEnabled());
        QVERIFY(e.box("chkCTXPower")->isEnabled());
        QVERIFY(e.child<QFrame>("linCTXPower")->isEnabled());
        e.box("chkCTXEnable")->click();
        QVERIFY(!ch.TxEnable);
        QVERIFY(e.box("chkCTXOnly")->isChecked());
        QVERIFY(!e.box("chkCTXOnly")->isEnabled());
        QVERIFY(!e.box("chkCTXPower")->isEnabled());
        QVERIFY(!e.child<QFrame>("linCTXOnly")->isEnabled());
        QVERIFY(!e.child<QFrame>("linCTXPower")->isEnabled());
        e.box("chkCTXEnable")->click();
        QVERIFY(ch.TxEnable);
        e.box("chkCTXOnly")->click();
        QVERIFY(!ch.LowPower);
        QVERIFY(!e.box("chkCTXPower")->isEnabled());
    }

    void fillingNeverSetsModifiedButEachClickDoes_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("Scan Memory") << "chkCScan";
        QTest::newRow("Power Up") << "chkCTXPower";
        QTest::newRow("Low Power Only") << "chkCTXOnly";
        QTest::newRow("Tx Enable") << "chkCTXEnable";
    }
    void fillingNeverSetsModifiedButEachClickDoes()
    {
        QFETCH(QString, control);
        EditorPage e;
        e.state.records.usa[Row16].LowPower = true;
        for (const char* key : {"PU32", "PU45", "E1", "E64"})
            e.page->fill(key);
        e.page->fill("PU32");
        QVERIFY(!e.state.flags.modified);
        const bool before = e.box(control.toUtf8().constData())->isChecked();
        e.box(control.toUtf8().constData())->click();
        QVERIFY(e.state.flags.modified);
        const ChannelRecord& ch = e.state.records.usa[Row16];
        const bool stored = control == "chkCScan"      ? ch.ScanMemory
                            : control == "chkCTXPower" ? ch.PowUp
                            : control == "chkCTXOnly"  ? ch.LowPower
                                                       : ch.TxEnable;
        QCOMPARE(stored, !before);
    }

    void nameAndScramblerStoreAtOnce()
    {
        EditorPage e;
        e.page->setScramblerFeature(true);
        e.page->fill("PI20");
        QVERIFY(e.child<QComboBox>("cmbScramble")->isVisible());
        e.type("txtCTag", "HARBOUR_1");
        QCOMPARE(e.state.records.intl[20].ChTag, std::string("HARBOUR1"));
        auto* list = e.child<QComboBox>("cmbScramble");
        QCOMPARE(list->currentText(), QString("Off"));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentText(), QString("1"));
        QCOMPARE(e.state.records.intl[20].Scramble, std::int16_t(5));
        e.page->fill("PI20");
        QCOMPARE(list->currentText(), QString("1"));
    }

    void expChannelLayoutAndHelp()
    {
        EditorPage e;
        ChannelRecord& ch = e.state.records.exp[2];
        ch.CHDisplayL = "12";
        ch.CHDisplayR = "B";
        ch.Rxfreq = 157.425;
        e.page->fill("E3");
        QVERIFY(!e.text("txtCN_0")->isVisible());
        QCOMPARE(e.text("txtCNE_0")->text(), QString("1"));
        QCOMPARE(e.text("txtCNE_1")->text(), QString("2"));
        QCOMPARE(e.text("txtCNE_2")->text(), QString("B"));
        QCOMPARE(e.text("txtCRF")->text(), QString("157.4250"));
        QCOMPARE(e.text("txtCTF")->text(), QString("---.----"));
        QVERIFY(!e.text("txtCRF")->isReadOnly());
        QVERIFY(!e.box("chkCTXEnable")->isVisible());
        QVERIFY(!e.box("chkCDup")->isVisible());
        QCOMPARE(e.box("chkCEnable")->property("helpContext").toInt(), 2400);
        QCOMPARE(e.text("txtCNE_1")->property("helpContext").toInt(), 2401);
        QCOMPARE(e.text("txtCRF")->property("helpContext").toInt(), 2402);
        QCOMPARE(e.text("txtCTF")->property("helpContext").toInt(), 2403);
        QCOMPARE(e.text("txtCRF")->property("statusHint").toString(), QString("Rx frequency"));
        e.page->fill("PU32");
        QCOMPARE(e.box("chkCEnable")->property("helpContext").toInt(), 1028);
    }

    void expDisplayBoxesStoreTheDisplayTexts()
    {
        EditorPage e;
        e.state.records.exp[3].Enable = true;
        e.page->fill("E4");
        e.type("txtCNE_0", "9");
        QCOMPARE(e.state.records.exp[3].CHDisplayL, std::string("9 "));
        e.type("txtCNE_1", "-"); // refused by the key filter
        e.type("txtCNE_1", "K");
        e.type("txtCNE_2", "c");
        QCOMPARE(e.state.records.exp[3].CHDisplayL, std::string("9K"));
        QCOMPARE(e.state.records.exp[3].CHDisplayR, std::string("c"));
        QVERIFY(e.state.flags.modified);
    }

    void expFrequencyValidation_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("156.025") << "txtCRF"
                                 << "156.025" << true << 156.025 << "156.0250";
        QTest::newRow("156.0125") << "txtCRF"
                                  << "156.0125" << false << 157.425 << "156.0125";
        QTest::newRow("136.975") << "txtCRF"
                                 << "136.975" << false << 157.425 << "136.975";
        QTest::newRow("174.025") << "txtCTF"
                                 << "174.025" << false << 0.0 << "174.025";
        QTest::newRow("tx 161.6") << "txtCTF"
                                  << "161.6" << true << 161.6 << "161.6000";
        QTest::newRow("letters refused") << "txtCTF"
                                         << "16x1.6" << true << 161.6 << "161.6000";
    }
    void expFrequencyValidation()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(double, stored);
        QFETCH(QString, shown);
        EditorPage e;
        ChannelRecord& ch = e.state.records.exp[0];
        ch.Enable = true;
        ch.CHDisplayL = "12";
        ch.Rxfreq = 157.425;
        ch.Txfreq = 0.0;
        e.page->fill("E1");
        e.type(field.toUtf8().constData(), typed);
        QVERIFY(e.state.flags.modified);
        QCOMPARE(e.page->canLeave(), accepted);
        const bool rx = field == "txtCRF";
        QCOMPARE(rx ? ch.Rxfreq : ch.Txfreq, stored);
        QCOMPARE(e.text(field.toUtf8().constData())->text(), shown);
        if (accepted) {
            QVERIFY(e.messages.shown.empty());
        } else {
            QCOMPARE(e.messages.shown.size(), std::size_t(1));
            QCOMPARE(e.messages.shown[0].text, std::string(msg::DataError));
            QCOMPARE(e.messages.shown[0].title, std::string(rx ? "Rx frequency" : "Tx frequency"));
            QCOMPARE(e.messages.shown[0].detail,
                     std::string("A frequency from 137 to 174 MHz on a 25 kHz step, or nothing."));
            QCOMPARE(e.messages.shown[0].icon, MessageIcon::Warning);
        }
    }

    void emptiedFrequencyStoresZero()
    {
        EditorPage e;
        ChannelRecord& ch = e.state.records.exp[0];
        ch.Enable = true;
        ch.CHDisplayL = "12";
        ch.Rxfreq = 157.425;
        ch.Txfreq = 157.425;
        e.page->fill("E1");
        e.type("txtCTF", "");
        QVERIFY(e.page->canLeave());
        QCOMPARE(ch.Txfreq, 0.0);
        QCOMPARE(e.text("txtCTF")->text(), QString("---.----"));
        e.type("txtCRF", "");
        QVERIFY(!e.page->canLeave()); // an enabled channel needs its receive frequency
        QCOMPARE(ch.Rxfreq, 0.0);
        QCOMPARE(e.messages.shown.back().text, msg::leavePageError());
    }

    void enabledExpChannelNeedsFrequencyAndDisplay()
    {
        EditorPage e;
        ChannelRecord& ch = e.state.records.exp[5];
        ch.Enable = true;
        ch.Rxfreq = 0.0;
        ch.CHDisplayL = "12";
        e.page->fill("E6");
        QVERIFY(!e.page->canLeave());
        QCOMPARE(e.messages.shown.back().text, msg::leavePageError());
        QCOMPARE(e.messages.shown.back().title, e.state.title());
        e.type("txtCRF", "157.425");
        QVERIFY(e.page->canLeave());
        QCOMPARE(ch.Rxfreq, 157.425);
        e.type("txtCNE_0", "");
        e.type("txtCNE_1", "");
        QVERIFY(!e.page->canLeave());
        QCOMPARE(e.messages.shown.size(), std::size_t(2));
        e.box("chkCEnable")->click();
        QVERIFY(e.page->canLeave());
    }

    void movingWithinTheEditorValidatesWithTheMessage()
    {
        EditorPage e;
        e.state.records.exp[1].Enable = true;
        e.page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(e.page.get()));
        e.page->fill("E2");
        e.text("txtCRF")->setFocus();
        e.type("txtCRF", "156.0125");
        e.text("txtCTag")->setFocus();
        QTRY_COMPARE(e.messages.shown.size(), std::size_t(1));
        QCOMPARE(e.messages.shown[0].title, std::string("Rx frequency"));
        QTRY_VERIFY(e.text("txtCRF")->hasFocus());
        e.type("txtCRF", "156.05");
        e.text("txtCTag")->setFocus();
        QTRY_COMPARE(e.state.records.exp[1].Rxfreq, 156.05);
        QCOMPARE(e.messages.shown.size(), std::size_t(1));
    }
};

QTEST_MAIN(ChannelEditorPageTest)
#include "tst_channeleditorpage.moc"
