// The main window's editing aids: undo and redo, the marine checks with
// their panel and notes, and the spreadsheet exchange of tables.
#include <QAction>
#include <QMenu>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolButton>

#include "checks/marinechecks.h"
#include "ui/bringforward.h"
#include "ui/checknote.h"
#include "ui/checkspanel.h"
#include "ui/edithistory.h"
#include "ui/gridpage.h"
#include "ui/mainactions.h"
#include "ui/mainwindow.h"
#include "ui/nodetree.h"
#include "ui/page.h"
#include "ui/tableexchangeui.h"

namespace zmp {

namespace {

// The node's text without its "[Enable]" mark, and its key.
StepLabel nodeLabel(const NodeTree& tree, int index)
{
    const QTreeWidgetItem* node = tree.node(index);
    const QString text = node ? node->text(0).section(QLatin1Char('['), 0, 0) : QString();
    return {text.toStdString(), tree.keyOf(index)};
}

QString withStep(const char* command, const StepLabel& step)
{
    const QString caption = QString::fromUtf8(command);
    return step.name.empty() ? caption : caption + QLatin1Char(' ') + QString::fromStdString(step.name);
}

constexpr std::size_t ListedWarnings = 5;

// The first few warnings, one a line, and how many more there are.
std::string warningList(const std::vector<CheckWarning>& warnings)
{
    std::string list;
    for (std::size_t i = 0; i < warnings.size() && i < ListedWarnings; ++i)
        list += (i == 0 ? "" : "\n") + warnings[i].text;
    if (warnings.size() > ListedWarnings)
        list += "\nand " + std::to_string(warnings.size() - ListedWarnings) + " more";
    return list;
}
} // namespace

void MainWindow::createEditTools()
{
    EditorState& state = services_.state;
    history_ = new EditHistory(
        state,
        [this] {
            const int current = switcher_->currentNodeIndex();
            return nodeLabel(*tree_, current > 0 ? current : tree_->selectedIndex());
        },
        this);
    connect(actions_->editUndo, &QAction::triggered, history_, whenFree([this] { history_->undo(); }));
    connect(actions_->editRedo, &QAction::triggered, history_, whenFree([this] { history_->redo(); }));
    connect(history_, &EditHistory::recordsRestored, this, &MainWindow::showRestoredRecords);
    connect(history_, &EditHistory::recordsChanged, this, &MainWindow::afterRecordsChanged);

    checks_ = new ChecksPanel(state.records, this);
    addDockWidget(Qt::BottomDockWidgetArea, checks_);
    // The pages need the window's whole height at its start-up size, so the
    // panel floats beside the window until the user docks it; the status
    // bar keeps the count in sight and opens the panel.
    checks_->setFloating(true);
    checks_->resize(width() > 0 ? qMax(width(), 480) : 480, 160);
    checks_->hide();
    statusBar()->addPermanentWidget(checks_->summary());
    QAction* showChecks = checks_->toggleViewAction();
    showChecks->setObjectName(QStringLiteral("mnuOptionsChecks"));
    actions_->optionsMenu->addAction(showChecks);
    connect(checks_, &ChecksPanel::jumpRequested, this, &MainWindow::jumpToField);

    exchange_ = new TableExchangeUi(*this, services_.messages, services_.dialogs);
    exchange_->fillMenus(*actions_->fileExport, *actions_->fileImport);
    for (const PageId id : {PageId::GroupGrid, PageId::ExpGrid, PageId::DirectoryGrid})
        if (auto* grid = dynamic_cast<GridPage*>(switcher_->page(id))) exchange_->addGridMenu(*grid->grid());
    connect(exchange_, &TableExchangeUi::imported, this, [this](const std::string& step) {
        history_->recordEdit(step);
        refreshTree();
        refreshCurrentPage();
    });
    CheckNote::attachAll(*stack_);
    afterRecordsChanged();
}

void MainWindow::afterRecordsChanged()
{
    actions_->editUndo->setEnabled(history_->canUndo());
    actions_->editRedo->setEnabled(history_->canRedo());
    actions_->editUndo->setText(withStep("&Undo", history_->undoLabel()));
    actions_->editRedo->setText(withStep("&Redo", history_->redoLabel()));
    checks_->refresh();
}

void MainWindow::showRestoredRecords(const std::string& place)
{
    refreshTree();
    switcher_->refreshDirectoryTexts();
    refreshCurrentPage();
    // The step's page comes to the front, so that no undo changes a page
    // out of sight.
    if (!place.empty() && place != tree_->keyOf(tree_->selectedIndex())) selectNodeByKey(place);
}

void MainWindow::jumpToField(const QString& nodeKey, const QString& field)
{
    selectNodeByKey(nodeKey.toStdString());
    Page* page = shownPage();
    if (!page || tree_->keyOf(tree_->selectedIndex()) != nodeKey.toStdString()) return;
    if (auto* target = page->findChild<QWidget*>(field)) {
        bringForward(target);
        target->setFocus(Qt::OtherFocusReason);
    }
}

bool MainWindow::programDespiteWarnings()
{
    if (!leavePageCheck()) return false;
    history_->look();
    const std::vector<CheckWarning> warnings = MarineChecks::run(services_.state.records);
    const std::size_t count = warnings.size();
    if (count == 0) return true;
    const std::string text =
        std::to_string(count) + (count == 1 ? " warning" : " warnings") + ". Program anyway?";
    Message question{services_.state.title(), text, MessageIcon::Warning, MessageButtons::YesNo,
                     MessageAnswer::No};
    question.detail = warningList(warnings) + "\n\nNo opens the Checks panel.";
    if (services_.messages.show(question) != MessageAnswer::No) return true;
    checks_->show();
    checks_->raise();
    return false;
}

} // namespace zmp
