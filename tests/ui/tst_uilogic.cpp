// The editor's plain logic: the tree built from the records, the page of a
// node, twips and the file dialog filters.
#include <QtTest>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "codec/channelplan.h"
#include "image/newimage.h"
#include "ui/accesskeys.h"
#include "ui/backupsdialog.h"
#include "ui/dialogservice.h"
#include "ui/pageid.h"
#include "ui/qtmessageservice.h"
#include "ui/transferdialog.h"
#include "ui/treebuilder.h"
#include "ui/twips.h"
#include "ui/windowlayout.h"

using namespace zmp;

namespace {

std::vector<std::string> keysOf(const TreeLayout& tree)
{
    std::vector<std::string> keys;
    for (const TreeNode& node : tree.nodes)
        keys.push_back(node.key);
    return keys;
}

const TreeNode* find(const TreeLayout& tree, const std::string& key)
{
    for (const TreeNode& node : tree.nodes)
        if (node.key == key) return &node;
    return nullptr;
}

Records newRecords()
{
    Records records;
    MemoryImage image;
    makeNewImage(ModelMr4400, records, image);
    return records;
}

} // namespace

class UiLogicTest : public QObject {
    Q_OBJECT

  private slots:
    // Each icon, button set and default reaches the box, the detail stands
    // under the text, and the default button's answer comes back.
    void messageServiceShowsTheMessage_data()
    {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("defaultAnswer");
        QTest::addColumn<int>("boxIcon");
        QTest::addColumn<int>("boxButtons");
        const auto row = [](const char* name, MessageIcon icon, MessageButtons buttons, MessageAnswer answer,
                            QMessageBox::Icon boxIcon, QMessageBox::StandardButtons boxButtons) {
            QTest::newRow(name) << int(icon) << int(buttons) << int(answer) << int(boxIcon)
                                << int(boxButtons);
        };
        row("none", MessageIcon::None, MessageButtons::YesNoCancel, MessageAnswer::Yes, QMessageBox::NoIcon,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        row("information", MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok,
            QMessageBox::Information, QMessageBox::Ok);
        row("warning", MessageIcon::Warning, MessageButtons::YesNo, MessageAnswer::No, QMessageBox::Warning,
            QMessageBox::Yes | QMessageBox::No);
        row("critical", MessageIcon::Critical, MessageButtons::RetryCancel, MessageAnswer::Retry,
            QMessageBox::Critical, QMessageBox::Retry | QMessageBox::Cancel);
        row("question", MessageIcon::Question, MessageButtons::OkCancel, MessageAnswer::Cancel,
            QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel);
    }

    void messageServiceShowsTheMessage()
    {
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QFETCH(int, defaultAnswer);
        const Message message{
            "Program to Radio",           "Radio is busy!!", MessageIcon(icon), MessageButtons(buttons),
            MessageAnswer(defaultAnswer), "/dev/ttyUSB0"};
        struct Seen {
            int icon = -1;
            int buttons = -1;
            QString title, text, detail, retry;
        } seen;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || box->defaultButton() == nullptr) return;
            seen = {int(box->icon()),
                    int(box->standardButtons()),
                    box->windowTitle(),
                    box->text(),
                    box->informativeText(),
                    box->button(QMessageBox::Retry) ? box->button(QMessageBox::Retry)->text() : QString()};
            box->defaultButton()->click();
        });
        poll.start(10);
        const MessageAnswer answer = QtMessageService().show(message);
        QFETCH(int, boxIcon);
        QFETCH(int, boxButtons);
        QCOMPARE(seen.icon, boxIcon);
        QCOMPARE(seen.buttons, boxButtons);
        QCOMPARE(seen.title, QString("Program to Radio"));
        QCOMPARE(seen.text, QString("Radio is busy!!"));
        QCOMPARE(seen.detail, QString("/dev/ttyUSB0"));
        QCOMPARE(int(answer), defaultAnswer);
        // Retry has an access key, as Yes, No and Cancel have.
        if (boxButtons & QMessageBox::Retry) QCOMPARE(seen.retry, QString("&Retry"));
    }

    // A box with a short text is still wide enough for its title beside
    // the title bar's icon and buttons (about 100 pixels under openbox;
    // the toolkit leaves 50, and "Read from Radio" was shown as "Re…io").
    void messageBoxShowsItsWholeTitle()
    {
        int width = 0;
        int titleWidth = 0;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible()) return;
            width = box->width();
            titleWidth = box->fontMetrics().horizontalAdvance(box->windowTitle());
            box->defaultButton()->click();
        });
        poll.start(10);
        QtMessageService().show({"Read from Radio, then Program to Radio", "!", MessageIcon::None,
                                 MessageButtons::Ok, MessageAnswer::Ok, ""});
        QVERIFY(titleWidth > 0);
        const int titleBarButtons = 100;
        QVERIFY2(width >= titleWidth + titleBarButtons,
                 qPrintable(QString("%1 for a title of %2").arg(width).arg(titleWidth)));
    }

    // The backups are listed by the time of their transfer, newest first,
    // whatever order the index holds them in; Open takes the row's own.
    void backupsListNewestTransferFirst()
    {
        auto entry = [](const char* time, const char* name) {
            BackupEntry e;
            e.time = time;
            e.name = name;
            return e;
        };
        BackupsDialog dialog({entry("2026-12-08T06:26:10Z", "middle"),
                              entry("2026-12-09T01:00:00Z", "newest"),
                              entry("2026-12-01T10:00:00Z", "oldest")});
        auto* list = dialog.findChild<QTreeWidget*>("lstBackups");
        QStringList shown;
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            shown << list->topLevelItem(row)->text(0);
        QCOMPARE(shown, QStringList({BackupsDialog::localTime("2026-12-09T01:00:00Z"),
                                     BackupsDialog::localTime("2026-12-08T06:26:10Z"),
                                     BackupsDialog::localTime("2026-12-01T10:00:00Z")}));
        list->setCurrentItem(list->topLevelItem(1));
        dialog.findChild<QPushButton*>("cmdOpen")->click();
        QCOMPARE(dialog.chosen()->name, std::string("middle"));
    }

    // Every item of a menu gets a key of its own; a caption's own "&" stays text.
    void accessKeysAreUniqueInAMenu()
    {
        QCOMPARE(withAccessKeys({"USA", "UK", "UAE", "", "A&B", "12"}),
                 QStringList({"&USA", "U&K", "U&AE", "", "A&&&B", "&12"}));
    }

    void treeHasAtisNodeOnlyWithAtis()
    {
        Records records = newRecords();
        const TreeLayout with = TreeBuilder(records, true, channelPlan()).build();
        const TreeLayout without = TreeBuilder(records, false, channelPlan()).build();
        QVERIFY(find(with, "ATIS") != nullptr);
        QCOMPARE(find(with, "ATIS")->text, std::string("ATIS Setup"));
        QVERIFY(find(without, "ATIS") == nullptr);
        QCOMPARE(with.nodes.size(), without.nodes.size() + 1);
        const std::vector<std::string> start{"General", "Usable", "Common", "DSC", "ATIS", "Program"};
        const std::vector<std::string> keys = keysOf(with);
        QVERIFY(std::equal(start.begin(), start.end(), keys.begin()));
    }

    void treeHoldsOnlyCheckedGroups()
    {
        Records records = newRecords();
        for (auto& group : records.groups)
            group.Enable = false;
        records.groups[Group2].Enable = true;
        records.groups[Group2].StatusName = "HARB";
        const TreeLayout tree = TreeBuilder(records, false, channelPlan()).build();
        QVERIFY(find(tree, "PU") == nullptr);
        QVERIFY(find(tree, "PC") == nullptr);
        QVERIFY(find(tree, "ExpChannel") == nullptr);
        QCOMPARE(find(tree, "PI")->text, std::string("Group2(HARB)"));
        QCOMPARE(tree.groupNodeIndex[Group2], 6); // General, its 3 children, Program, Group2 (one-based)
        QCOMPARE(tree.nodes[5].key, std::string("PI"));
        QCOMPARE(tree.groupNodeIndex[Group1], 0);
        // Weather comes after the last group's channels.
        QCOMPARE(tree.nodes[6 + PlanRowCount].key, std::string("PW"));
    }

    void channelAndEntryTextsCarryEnableMark()
    {
        Records records = newRecords();
        records.groups[Group1].Enable = true;
        records.groups[ExpCh].Enable = true;
        records.usa[3].Position = 3;
        records.usa[3].Enable = true;
        records.usa[4].Position = 4;
        records.usa[4].Enable = false;
        records.memoryId[0].Enable = true;
        records.exp[1].Enable = true;
        const TreeLayout tree = TreeBuilder(records, false, channelPlan()).build();
        QCOMPARE(find(tree, "PU3")->text, "CH" + channelPlan()[3].Label + "[Enable]");
        QCOMPARE(find(tree, "PU4")->text, "CH" + channelPlan()[4].Label);
        QCOMPARE(find(tree, "SM1")->text, std::string("Memory ID1[Enable]"));
        QCOMPARE(find(tree, "SM80")->text, std::string("Memory ID80"));
        QCOMPARE(find(tree, "SG32")->text, std::string("Group ID32"));
        QCOMPARE(find(tree, "E2")->text, std::string("EXP2[Enable]"));
        QVERIFY(find(tree, "E64") != nullptr);
        QVERIFY(find(tree, "E65") == nullptr);
        const TreeNode* exp = find(tree, "ExpChannel");
        QCOMPARE(exp->parent, -1);
        QCOMPARE(tree.nodes[static_cast<std::size_t>(tree.groupNodeIndex[ExpCh] - 1)].key,
                 std::string("ExpChannel"));
        QCOMPARE(tree.nodes[static_cast<std::size_t>(find(tree, "E1")->parent)].key,
                 std::string("ExpChannel"));
    }

    void blankStatusNameAddsNothing()
    {
        UsableGroup group;
        group.StatusName = "   ";
        QCOMPARE(TreeBuilder::groupNodeText(group, 0), std::string("Group1"));
        group.StatusName = "PORT";
        QCOMPARE(TreeBuilder::groupNodeText(group, 2), std::string("Group3(PORT)"));
    }

    void recordIndexReadFromKey()
    {
        QCOMPARE(recordIndexOfKey("PU0"), 0);
        QCOMPARE(recordIndexOfKey("PI239"), 239);
        QCOMPARE(recordIndexOfKey("SM80"), 80);
        QCOMPARE(recordIndexOfKey("E7"), 7);
        QCOMPARE(recordIndexOfKey("ExpChannel"), -1);
        QCOMPARE(recordIndexOfKey("PU"), -1);
        QCOMPARE(recordIndexOfKey("SM1x"), -1);
    }

    void nodeKeysChooseTheirPage_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<int>("page");
        QTest::newRow("general") << "General"
                                 << "" << int(PageId::Logo);
        QTest::newRow("general any case") << "general"
                                          << "" << int(PageId::Logo);
        QTest::newRow("programable") << "Program"
                                     << "" << int(PageId::Grey);
        QTest::newRow("dsc root") << "DSCSetting"
                                  << "" << int(PageId::Grey);
        QTest::newRow("dsc setup") << "DSC"
                                   << "General" << int(PageId::DscSetup);
        QTest::newRow("atis") << "ATIS"
                              << "General" << int(PageId::AtisSetup);
        QTest::newRow("usable") << "Usable"
                                << "General" << int(PageId::UsableSetup);
        QTest::newRow("common") << "Common"
                                << "General" << int(PageId::CommonSetup);
        QTest::newRow("group") << "PC"
                               << "Program" << int(PageId::GroupGrid);
        QTest::newRow("weather") << "PW"
                                 << "Program" << int(PageId::Weather);
        QTest::newRow("channel") << "PI12"
                                 << "PI" << int(PageId::ChannelEditor);
        QTest::newRow("exp grid") << "ExpChannel"
                                  << "" << int(PageId::ExpGrid);
        QTest::newRow("exp channel") << "E3"
                                     << "ExpChannel" << int(PageId::ChannelEditor);
        QTest::newRow("directory") << "SG"
                                   << "DSCSetting" << int(PageId::DirectoryGrid);
        QTest::newRow("entry") << "SM4"
                               << "SM" << int(PageId::DirectoryEntry);
    }

    void nodeKeysChooseTheirPage()
    {
        QFETCH(QString, key);
        QFETCH(QString, parent);
        QFETCH(int, page);
        QCOMPARE(int(pageForNode(key.toStdString(), parent.toStdString())), page);
    }

    void twipsFollowTheScreen()
    {
        QCOMPARE(twipsToPixels(2500), 167);
        QCOMPARE(twipsToPixels(15), 1);
        QCOMPARE(twipsToPixels(1500, 192.0), 200);
        QCOMPARE(pixelsToTwips(607), 9105);
        QCOMPARE(pixelsToTwips(200, 192.0), 1500);
        QCOMPARE(twipsToPixels(pixelsToTwips(444, 120.0), 120.0), 444);
    }

    void storedWindowPlaceLandsOnAScreen()
    {
        const std::vector<DesktopArea> screens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
        // A place on a screen stays as it is.
        QCOMPARE(placeOnScreens({100, 50, 900, 700}, screens, 607, 444), (DesktopArea{100, 50, 900, 700}));
        // Mostly on the second screen: moved fully onto it.
        QCOMPARE(placeOnScreens({2900, 500, 900, 700}, screens, 607, 444),
                 (DesktopArea{2300, 324, 900, 700}));
        // A screen that is gone: onto the first, no larger than it.
        QCOMPARE(placeOnScreens({5000, -3000, 4000, 3000}, screens, 607, 444),
                 (DesktopArea{0, 0, 1920, 1080}));
        // Never smaller than the window's minimum.
        QCOMPARE(placeOnScreens({10, 10, 20, 20}, screens, 607, 444), (DesktopArea{10, 10, 607, 444}));
        QCOMPARE(placeOnScreens({10, 10, 800, 600}, {}, 607, 444), (DesktopArea{10, 10, 800, 600}));
    }

    void pagesGetTheirWidthBesideTheTree()
    {
        QCOMPARE(windowWidthForPages(700), 1000);
        QVERIFY(windowWidthForPages(701) * 7 / 10 >= 701);
    }

    void fileFiltersBecomeQtFilters()
    {
        QCOMPARE(qtFileFilter("dat files(*.dat)|*.dat|All files(*.*)|*.*"),
                 std::string("dat files(*.dat);;All files(*.*)"));
        QCOMPARE(qtFileFilter("Text files(*.txt)|*.txt"), std::string("Text files(*.txt)"));
    }

    void saveDialogAddsTheChosenFiltersExtension()
    {
        const std::string dat = "dat files(*.dat)|*.dat|All files(*.*)|*.*";
        QCOMPARE(filterExtension(dat, "dat files(*.dat)"), std::string("dat"));
        QCOMPARE(filterExtension(dat, "All files(*.*)"), std::string());
        QCOMPARE(filterExtension(dat, ""), std::string());
        QCOMPARE(filterExtension("Text files(*.txt)|*.txt", "Text files(*.txt)"), std::string("txt"));
    }
};

QTEST_MAIN(UiLogicTest)
#include "tst_uilogic.moc"
