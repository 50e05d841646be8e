// Every page at the start-up size: each visible control has the room its
// layout asks for, no two neighbours overlap, and nothing is cut. The same
// test runs at twice the scale. With ZMP_SCREENSHOTS set to a folder, each
// page is also saved there as a picture to look at.
#include <QtTest>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>

#include "codec/channelplan.h"
#include "ui/mainwindow.h"
#include "ui/nodetree.h"
#include "uitestsupport.h"

using namespace zmp;
using namespace zmp::test;

namespace {

// A node of every kind of page; the DSC page is looked at tab by tab.
const QStringList PageKeys{"General", "Usable", "Common", "DSC", "ATIS", "Program",    "PU", "PU1",
                           "PW",      "SM",     "SM1",    "SG",  "SG1",  "ExpChannel", "E1"};

// The controls a user reads or works: a cut or squashed one is a fault.
bool isControl(const QWidget* widget)
{
    // A grid's header is sized by its grid, not by a layout.
    if (qobject_cast<const QHeaderView*>(widget)) return false;
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QLabel*>(widget) ||
           qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QTabWidget*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget);
}

// Controls that show all of their text only at their size hint's width.
bool showsWholeText(const QWidget* widget)
{
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QLabel*>(widget);
}

QString describe(const QWidget* widget)
{
    return QStringLiteral("%1 (%2)").arg(widget->objectName(), widget->metaObject()->className());
}

QWidget* shownPage(EditorFixture& editor)
{
    return editor.window->findChild<QStackedWidget*>("pageStack")->currentWidget();
}

} // namespace

class PageLayoutTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<EditorFixture> editor_;

    // Every group with a four-letter status name: the longest captions.
    void startEditor()
    {
        editor_ = std::make_unique<EditorFixture>("pageLayout");
        writeDestination(editor_->folder, "USA_1130.ini", ModelMr4400);
        QVERIFY(editor_->start());
        for (UsableGroup& group : editor_->state.records.groups) {
            group.Enable = true;
            group.StatusName = "WWWW";
        }
        editor_->state.records.usa[1].ChTag = "WWWWWWWWWWWWWWWW";
        editor_->state.records.usa[1].Enable = true;
        editor_->state.records.wx[0].ChTag = "WWWWWWWWWWWWWWWW";
        editor_->window->refreshTree();
        editor_->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor_->window.get()));
    }

    void checkControls(QWidget* page, const QString& where)
    {
        for (QWidget* widget : page->findChildren<QWidget*>()) {
            if (!isControl(widget) || !widget->isVisibleTo(editor_->window.get())) continue;
            const QSize least = widget->minimumSizeHint();
            const QString what = where + QStringLiteral(": ") + describe(widget);
            if (least.isValid()) {
                QVERIFY2(widget->width() >= least.width(), qPrintable(what + " is too narrow"));
                QVERIFY2(widget->height() >= least.height(),
                         qPrintable(what + " is too low" +
                                    QString(" %1 < %2").arg(widget->height()).arg(least.height())));
            }
            if (showsWholeText(widget))
                QVERIFY2(widget->width() >= widget->sizeHint().width(), qPrintable(what + " is cut"));
        }
    }

    void checkNoOverlap(QWidget* page, const QString& where)
    {
        QList<QWidget*> parents{page};
        parents += page->findChildren<QWidget*>();
        for (QWidget* parent : parents) {
            QList<QWidget*> siblings;
            for (QWidget* child : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                if (isControl(child) && child->isVisibleTo(editor_->window.get())) siblings.append(child);
            for (int i = 0; i < siblings.size(); ++i)
                for (int j = i + 1; j < siblings.size(); ++j)
                    QVERIFY2(!siblings[i]->geometry().intersects(siblings[j]->geometry()),
                             qPrintable(where + ": " + describe(siblings[i]) + " overlaps " +
                                        describe(siblings[j])));
        }
    }

    void look(const QString& name)
    {
        const QString folder = qEnvironmentVariable("ZMP_SCREENSHOTS");
        if (folder.isEmpty()) return;
        QDir().mkpath(folder);
        editor_->window->grab().save(QStringLiteral("%1/%2.png").arg(folder, name));
    }

    void checkShownPage(const QString& where)
    {
        QApplication::processEvents();
        QWidget* page = shownPage(*editor_);
        checkControls(page, where);
        checkNoOverlap(page, where);
        look(where);
    }

  private slots:
    void init() { startEditor(); }
    void cleanup() { editor_.reset(); }

    void startsLargeEnoughForEveryPageOnItsScreen()
    {
        const QRect screen = editor_->window->screen()->availableGeometry();
        QVERIFY(editor_->window->width() >= 607 && editor_->window->height() >= 444);
        // On a screen smaller than the window's minimum, the minimum wins.
        QVERIFY(screen.contains(editor_->window->frameGeometry()) ||
                editor_->window->size() == editor_->window->minimumSize());
        // Where the screen has room, every page shows whole, without scrolling.
        auto* stack = editor_->window->findChild<QStackedWidget*>("pageStack");
        const QSize outer = editor_->window->frameGeometry().size();
        if (outer.width() < screen.width()) QVERIFY(stack->width() >= stack->sizeHint().width());
        if (outer.height() < screen.height()) QVERIFY(stack->height() >= stack->sizeHint().height());
    }

    void everyPageKeepsItsControlsWhole()
    {
        for (const QString& key : PageKeys) {
            editor_->window->selectNodeByKey(key.toStdString());
            QCOMPARE(editor_->window->tree().keyOf(editor_->window->currentNodeIndex()), key.toStdString());
            if (key != "DSC") {
                checkShownPage(key);
                continue;
            }
            auto* tabs = editor_->window->findChild<QTabWidget*>("tbsDSC_USER");
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                QVERIFY(tabs->tabBar()->tabRect(tab).right() <= tabs->tabBar()->width());
                checkShownPage(QStringLiteral("DSC%1").arg(tab));
            }
        }
    }

    void aSmallWindowScrollsItsPageInsteadOfSquashingIt()
    {
        editor_->window->resize(editor_->window->minimumSize());
        QTRY_COMPARE(editor_->window->size(), editor_->window->minimumSize());
        for (const QString& key : {QStringLiteral("Common"), QStringLiteral("DSC"), QStringLiteral("PW")}) {
            editor_->window->selectNodeByKey(key.toStdString());
            QApplication::processEvents();
            checkControls(shownPage(*editor_), key + " small");
            auto* scroller = shownPage(*editor_)->findChild<QScrollArea*>("pageScroller");
            QVERIFY(scroller);
            QVERIFY(scroller->widget()->height() > scroller->viewport()->height() ||
                    scroller->widget()->width() > scroller->viewport()->width());
        }
    }

    void treeLabelsAreNeverCut()
    {
        NodeTree& tree = editor_->window->tree();
        const int group = tree.indexOfKey("PU");
        tree.node(group)->setExpanded(true);
        tree.node(tree.indexOfKey("General"))->setExpanded(true);
        QApplication::processEvents();
        for (const std::string key : {"Usable", "Program", "PU1", "ExpChannel"}) {
            QTreeWidgetItem* item = tree.node(tree.indexOfKey(key));
            QVERIFY(item);
            tree.scrollToItem(item);
            const int text = tree.fontMetrics().horizontalAdvance(item->text(0));
            QVERIFY2(tree.visualItemRect(item).width() >= text, qPrintable(item->text(0)));
        }
        QVERIFY(tree.node(tree.indexOfKey("PU1"))->text(0).endsWith("[Enable]"));
    }

    void longNamesShowWholeInGridsAndEditors()
    {
        const QString name("WWWWWWWWWWWWWWWW");
        editor_->window->selectNodeByKey("PU");
        auto* grid = shownPage(*editor_)->findChild<QTableView*>("MSFlexGrid1");
        QVERIFY(grid->columnWidth(8) >= grid->fontMetrics().horizontalAdvance(name));
        editor_->window->selectNodeByKey("PU1");
        auto* field = shownPage(*editor_)->findChild<QLineEdit*>("txtCTag");
        QCOMPARE(field->text(), name);
        QVERIFY(field->width() >= field->fontMetrics().horizontalAdvance(name));
        editor_->window->selectNodeByKey("PW");
        auto* weather = shownPage(*editor_)->findChild<QLineEdit*>("txtDTagName_0");
        QCOMPARE(weather->text(), name);
        QVERIFY(weather->width() >= weather->fontMetrics().horizontalAdvance(name));
    }

    void planChannelFieldsLookLocked()
    {
        editor_->window->selectNodeByKey("PU1");
        for (const char* name : {"txtCN_0", "txtCN_1", "txtCRF", "txtCTF"}) {
            auto* field = shownPage(*editor_)->findChild<QLineEdit*>(name);
            QVERIFY(field->isReadOnly());
            QCOMPARE(field->palette().color(QPalette::Active, QPalette::Base),
                     field->palette().color(QPalette::Active, QPalette::Window));
        }
        editor_->window->selectNodeByKey("E1");
        auto* rx = shownPage(*editor_)->findChild<QLineEdit*>("txtCRF");
        QVERIFY(!rx->isReadOnly());
        QVERIFY(rx->palette().color(QPalette::Active, QPalette::Base) !=
                rx->palette().color(QPalette::Active, QPalette::Window));
    }
};

QTEST_MAIN(PageLayoutTest)
#include "tst_pagelayout.moc"
