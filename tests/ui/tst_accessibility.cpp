// What assistive technology sees and does: every interactive control of
// every page has a name, hints are descriptions, the tab order reads the
// page, and check boxes, lists and tree rows work through their accessible
// actions as they do with the mouse.
#include <QtTest>

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "platform/qtserialport.h"
#include "platform/serialportnames.h"
#include "ui/mainactions.h"
#include "ui/mainwindow.h"
#include "ui/nodetree.h"
#include "ui/transferdialog.h"
#include "uitestsupport.h"

using namespace zmp;
using namespace zmp::test;

namespace {

const QStringList PageKeys{"General", "Usable", "Common", "DSC", "ATIS", "Program",    "PU", "PU1",
                           "PW",      "SM",     "SM1",    "SG",  "SG1",  "ExpChannel", "E1"};

bool isInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::CheckBox:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::PushButton:
    case QAccessible::RadioButton:
    case QAccessible::SpinBox:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Table:
    case QAccessible::PageTab:
        return true;
    default:
        return false;
    }
}

// On Linux a list's accessible name is its current entry; the label it
// carries for assistive technology is its own name or a labelling label.
QString nameOf(QAccessibleInterface* control)
{
    if (control->role() != QAccessible::ComboBox) return control->text(QAccessible::Name);
    const auto* widget = qobject_cast<QWidget*>(control->object());
    if (widget && !widget->accessibleName().isEmpty()) return widget->accessibleName();
    const auto labels = control->relations(QAccessible::Labelled);
    return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
}

// The unnamed interactive controls shown under this interface.
void collectUnnamed(QAccessibleInterface* node, QStringList& unnamed)
{
    if (!node || node->state().invisible) return;
    if (isInteractive(node->role()) && nameOf(node).trimmed().isEmpty())
        unnamed << QStringLiteral("%1 role %2")
                       .arg(node->object() ? node->object()->objectName() : "?")
                       .arg(node->role());
    // The cells of grids and trees are named by their text; their views are checked.
    if (node->role() == QAccessible::Table || node->role() == QAccessible::Tree) return;
    for (int i = 0; i < node->childCount(); ++i)
        collectUnnamed(node->child(i), unnamed);
}

QAccessibleInterface* childNamed(QAccessibleInterface* parent, const QString& name)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child && child->text(QAccessible::Name) == name) return child;
    }
    return nullptr;
}

void act(QObject* object, const QString& action)
{
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(object);
    QVERIFY(control && control->actionInterface());
    QVERIFY2(control->actionInterface()->actionNames().contains(action), qPrintable(action));
    control->actionInterface()->doAction(action);
}

// The first stops of Tab under a window or page, by object name.
QStringList tabStops(QWidget* root, qsizetype count)
{
    QStringList stops;
    for (QWidget* w = root->nextInFocusChain(); w != root && stops.size() < count; w = w->nextInFocusChain())
        if (root->isAncestorOf(w) && w->isVisibleTo(root) && w->isEnabledTo(root) &&
            (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            stops << w->objectName();
    return stops;
}

QString shownPage(EditorFixture& editor)
{
    return editor.window->findChild<QStackedWidget*>("pageStack")->currentWidget()->objectName();
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<EditorFixture> editor_;

    QWidget* control(const char* name) { return editor_->window->findChild<QWidget*>(name); }

    void checkNamed(const QString& where)
    {
        QApplication::processEvents();
        QStringList unnamed;
        collectUnnamed(QAccessible::queryAccessibleInterface(editor_->window.get()), unnamed);
        QVERIFY2(unnamed.isEmpty(), qPrintable(where + ": " + unnamed.join(", ")));
    }

    // Each widget handed the focus by Tab stands after the one before it in
    // reading order: further down, or on the same line further right. The
    // DSC tabs read their left column first.
    void checkTabOrder(QWidget* page, const QString& where)
    {
        QWidget* previous = nullptr;
        QList<QWidget*> frames;
        for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
            if (!page->isAncestorOf(w) || !w->isVisibleTo(page) || !(w->focusPolicy() & Qt::TabFocus) ||
                !w->isEnabledTo(page) || qobject_cast<QTabBar*>(w))
                continue;
            // The frame that scrolls a page is not a stop of its own.
            QVERIFY2(w->objectName() != "pageScroller",
                     qPrintable(where + ": Tab stops on the page's scroll area"));
            QWidget* frame = w->parentWidget();
            if (!frames.isEmpty() && frames.back() != frame) {
                QVERIFY2(!frames.contains(frame), qPrintable(where + ": comes back to " + w->objectName()));
                previous = nullptr;
            }
            if (frames.isEmpty() || frames.back() != frame) frames.append(frame);
            if (previous) {
                const QPoint a = previous->mapTo(page, previous->rect().center());
                const QPoint b = w->mapTo(page, w->rect().center());
                const bool sameLine = std::abs(a.y() - b.y()) <= previous->height() / 2;
                QVERIFY2(sameLine ? b.x() > a.x() : b.y() > a.y(),
                         qPrintable(where + ": " + previous->objectName() + " then " + w->objectName()));
            }
            previous = w;
        }
    }

  private slots:
    void init()
    {
        editor_ = std::make_unique<EditorFixture>("accessibility");
        writeDestination(editor_->folder, "USA_1130.ini", ModelMr4400);
        QVERIFY(editor_->start());
        for (UsableGroup& group : editor_->state.records.groups)
            group.Enable = true;
        editor_->state.records.usa[1].Enable = true;
        editor_->window->refreshTree();
        editor_->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor_->window.get()));
    }

    void cleanup() { editor_.reset(); }

    // The transfer's progress is read out: the bar's value, and the phase
    // with the time left as its description.
    void transferProgressIsReadOut()
    {
        QtSerialPort port{SerialPortNames(&editor_->settings)};
        TransferDialog dialog(OperationType::Read, editor_->state, editor_->settings, editor_->messages,
                              port);
        dialog.showProgress(42);
        dialog.showPhase({"Reading\u2026", 42, 75});
        QAccessibleInterface* bar =
            QAccessible::queryAccessibleInterface(dialog.findChild<QWidget*>("pictProgress"));
        QVERIFY(bar);
        QCOMPARE(bar->role(), QAccessible::ProgressBar);
        QVERIFY(bar->valueInterface());
        QCOMPARE(bar->valueInterface()->currentValue().toInt(), 42);
        QCOMPARE(bar->text(QAccessible::Name), QString("Progress"));
        QCOMPARE(bar->text(QAccessible::Description), QString("Reading\u2026 42%, about 1 min 15 s left"));
        QCOMPARE(dialog.findChild<QLabel*>("lblPhase")->text(), bar->text(QAccessible::Description));
    }

    void everyInteractiveControlHasAName()
    {
        for (const QString& key : PageKeys) {
            editor_->window->selectNodeByKey(key.toStdString());
            if (key != "DSC") {
                checkNamed(key);
                continue;
            }
            auto* tabs = editor_->window->findChild<QTabWidget*>("tbsDSC_USER");
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                checkNamed(QStringLiteral("DSC tab %1").arg(tab));
            }
        }
    }

    void namesSayWhatEachFieldIsAndHintsDescribeThem()
    {
        editor_->window->selectNodeByKey("Usable");
        QCOMPARE(control("cmbUsablePri_0")->accessibleName(), QString("Group1 priority channel"));
        QCOMPARE(control("txtUsable_2")->accessibleName(), QString("Group3 status name"));
        editor_->window->selectNodeByKey("DSC");
        QCOMPARE(control("txtUserMMSI")->accessibleName(), QString("User MMSI"));
        QCOMPARE(control("txtFCount")->accessibleName(), QString("MMSI entry count"));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(control("txtUserMMSI"))->text(QAccessible::Description),
            QString("Numeric Only. Indispensable 9 figures."));
        QCOMPARE(control("cmbUsableDscAllShipsCallTX_3")->accessibleName(),
                 QString("ALL Ships Call Routine power"));
        editor_->window->selectNodeByKey("ATIS");
        QCOMPARE(control("txtATIScode")->accessibleName(), QString("ATIS Code"));
        for (QAction* button : editor_->window->actions().toolBar->actions())
            if (!button->isSeparator()) QVERIFY(!button->toolTip().isEmpty());
    }

    void tabOrderFollowsTheReadingOrder()
    {
        for (const QString& key : PageKeys) {
            editor_->window->selectNodeByKey(key.toStdString());
            QWidget* page = editor_->window->findChild<QStackedWidget*>("pageStack")->currentWidget();
            if (key != "DSC") {
                checkTabOrder(page, key);
                continue;
            }
            auto* tabs = editor_->window->findChild<QTabWidget*>("tbsDSC_USER");
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                checkTabOrder(tabs->currentWidget(), QStringLiteral("DSC tab %1").arg(tab));
            }
        }
    }

    // A tab strip comes before its tab's controls, and a dialog's options
    // before the buttons that act on them.
    void tabStopsComeFirstWhereTheyBelong_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("stops");
        QTest::newRow("DSC Setup") << "DSC" << QStringList{"qt_tabwidget_tabbar", "cmbUsableDsc_0"};
        QTest::newRow("program dialog")
            << "frmRadio" << QStringList{"chkVerify", "chkKeepCopy", "cmdOK", "cmdCancel", "cmdHelp"};
    }
    void tabStopsComeFirstWhereTheyBelong()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, stops);
        QtSerialPort port{SerialPortNames(&editor_->settings)};
        TransferDialog dialog(OperationType::Program, editor_->state, editor_->settings, editor_->messages,
                              port);
        QWidget* root = &dialog;
        if (window != dialog.objectName()) {
            editor_->window->selectNodeByKey(window.toStdString());
            root = editor_->window->findChild<QStackedWidget*>("pageStack")->currentWidget();
        }
        QCOMPARE(tabStops(root, stops.size()), stops);
    }

    void checkBoxesWorkThroughTheirToggleAction()
    {
        editor_->window->selectNodeByKey("Usable");
        QObject* expGroup = control("chkUsable_3");
        const QString toggle = QAccessibleActionInterface::toggleAction();
        act(expGroup, toggle);
        QVERIFY(!editor_->state.records.groups[ExpCh].Enable);
        QCOMPARE(editor_->window->tree().indexOfKey("ExpChannel"), 0);
        QVERIFY(!control("cmbUsablePri_3")->isEnabled());
        act(expGroup, toggle);
        QVERIFY(editor_->state.records.groups[ExpCh].Enable);
        QVERIFY(editor_->window->tree().indexOfKey("ExpChannel") > 0);
        QVERIFY(control("cmbUsablePri_3")->isEnabled());
        QVERIFY(editor_->state.flags.modified);

        editor_->window->selectNodeByKey("PU1");
        const bool scan = editor_->state.records.usa[1].ScanMemory;
        act(control("chkCScan"), toggle);
        QCOMPARE(editor_->state.records.usa[1].ScanMemory, !scan);
    }

    void listsWorkThroughTheirActions()
    {
        editor_->window->selectNodeByKey("Common");
        auto* list = static_cast<QComboBox*>(control("cmbCommonSOG"));
        act(list, QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(list->view()->isVisible());
        QAccessibleInterface* popup = QAccessible::queryAccessibleInterface(list->view());
        QAccessibleInterface* kmh = childNamed(popup, "KMH");
        QVERIFY(kmh && kmh->actionInterface());
        kmh->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QTRY_COMPARE(list->currentText(), QString("KMH"));
        QCOMPARE(editor_->state.records.settings[slot::Sog], 2);
    }

    void treeRowsShowTheirPageWhenSelectedThatWay()
    {
        NodeTree& tree = editor_->window->tree();
        // Rows of the top level: the toolkit selects a row by its place
        // among its siblings, which is its place in the view only there.
        editor_->window->selectNodeByKey("Common");
        QCOMPARE(shownPage(*editor_), QString("pictCommon"));
        tree.collapseAll();
        QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&tree);
        QAccessibleInterface* row = childNamed(view, "Programable Channel");
        QVERIFY(row && row->actionInterface());
        row->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QTRY_COMPARE(shownPage(*editor_), QString("pictGrey"));
        QCOMPARE(tree.keyOf(editor_->window->currentNodeIndex()), std::string("Program"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
