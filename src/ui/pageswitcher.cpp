#include "ui/pageswitcher.h"

#include <QPointer>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>

#include "codec/channelplan.h"
#include "codec/frequencyformat.h"
#include "message/messagetexts.h"
#include "model/fillingscope.h"
#include "ui/atissetuppage.h"
#include "ui/channeleditorpage.h"
#include "ui/commonsetuppage.h"
#include "ui/directoryentrypage.h"
#include "ui/directorygridpage.h"
#include "ui/dscsetuppage.h"
#include "ui/expgridpage.h"
#include "ui/greypage.h"
#include "ui/groupgridpage.h"
#include "ui/logopage.h"
#include "ui/nodetree.h"
#include "ui/usablesetuppage.h"
#include "ui/weatherpage.h"

namespace zmp {

PageSwitcher::PageSwitcher(QWidget& window, const PageContext& context, std::function<void()> pageLeft)
    : QObject(&window), window_(window), state_(context.state), pageLeft_(std::move(pageLeft))
{
    createPages(context);
    connectTree();
}

void PageSwitcher::createPages(const PageContext& context)
{
    splitter_ = new QSplitter(Qt::Horizontal, &window_);
    splitter_->setObjectName(QStringLiteral("splitter"));
    tree_ = new NodeTree(splitter_);
    stack_ = new QStackedWidget(splitter_);
    stack_->setObjectName(QStringLiteral("pageStack"));
    greyPage_ = new GreyPage(context, stack_);
    stack_->addWidget(greyPage_);
    registerPage(PageId::Grey, greyPage_);
    registerPage(PageId::Logo, new LogoPage(context, stack_));
    registerPage(PageId::GroupGrid, new GroupGridPage(context, stack_));
    registerPage(PageId::ExpGrid, new ExpGridPage(context, stack_));
    registerPage(PageId::Weather, new WeatherPage(context, stack_));
    registerPage(PageId::ChannelEditor, new ChannelEditorPage(context, stack_));
    registerPage(PageId::DirectoryGrid, new DirectoryGridPage(context, stack_));
    registerPage(PageId::DirectoryEntry, new DirectoryEntryPage(context, stack_));
    registerPage(PageId::UsableSetup, new UsableSetupPage(context, stack_));
    registerPage(PageId::CommonSetup, new CommonSetupPage(context, stack_));
    registerPage(PageId::DscSetup, new DscSetupPage(context, stack_));
    registerPage(PageId::AtisSetup, new AtisSetupPage(context, stack_));
    splitter_->setChildrenCollapsible(false);
    splitter_->setStretchFactor(1, 1);
}

void PageSwitcher::registerPage(PageId id, Page* page)
{
    pages_[id] = page;
    if (stack_->indexOf(page) >= 0) return;
    stack_->addWidget(page);
    connect(page, &Page::nodeJumpRequested, this,
            [this](const QString& key) { selectNodeByKey(key.toStdString()); });
    connect(page, &Page::nodeTextChanged, this, [this](const QString& key, const QString& text) {
        tree_->setNodeText(tree_->indexOfKey(key.toStdString()), text.toStdString());
    });
    connect(page, &Page::directoryTextsChanged, this, &PageSwitcher::refreshDirectoryTexts);
    connect(page, &Page::hintChanged, this, &PageSwitcher::hintChanged);
    connect(page, &Page::treeRebuildRequested, this, &PageSwitcher::refreshTree);
    connect(page, &Page::groupTextsChanged, this, &PageSwitcher::refreshGroupTexts);
    connect(page, &Page::clearRequested, this, &PageSwitcher::clearRequested);
}

Page* PageSwitcher::shownPage() const
{
    return static_cast<Page*>(stack_->currentWidget());
}

void PageSwitcher::connectTree()
{
    connect(tree_, &NodeTree::nodeSelected, this, &PageSwitcher::onNodeSelected);
    connect(tree_, &NodeTree::nodeClicked, this, &PageSwitcher::onNodeClicked);
    connect(tree_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        const std::string key = tree_->keyOf(item->data(0, Qt::UserRole).toInt());
        if (key == "SM" || key == "SG") refreshDirectoryTexts();
    });
}

void PageSwitcher::resetTree()
{
    EditorState& state = state_;
    snapExpFrequencies(state.records.exp);
    tree_->rebuild(TreeBuilder(state.records, state.hasAtis, channelPlan()).build());
    const int general = tree_->indexOfKey("General");
    tree_->selectQuietly(general);
    showNodePage(general);
    currentNodeIndex_ = -1;
}

void PageSwitcher::fillUsablePage()
{
    if (auto found = pages_.find(PageId::UsableSetup); found != pages_.end()) found->second->fill("Usable");
}

void PageSwitcher::refreshTree()
{
    EditorState& state = state_;
    const std::string selectedKey = tree_->keyOf(tree_->selectedIndex());
    // The records are taken in as the pages will show them.
    snapExpFrequencies(state.records.exp);
    {
        const FillingScope filling(state.flags);
        tree_->rebuild(TreeBuilder(state.records, state.hasAtis, channelPlan()).build());
        fillUsablePage();
    }
    // The rebuilt tree keeps the node the user was on when it still exists.
    int index = tree_->indexOfKey(selectedKey);
    if (index == 0) {
        index = tree_->indexOfKey("General");
        showNodePage(index);
    }
    tree_->selectQuietly(index);
    if (currentNodeIndex_ != -1) currentNodeIndex_ = index;
}

void PageSwitcher::refreshDirectoryTexts()
{
    const EditorState& state = state_;
    for (std::size_t i = 0; i < state.records.memoryId.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        tree_->setNodeText(tree_->indexOfKey("SM" + std::to_string(number)),
                           TreeBuilder::directoryNodeText(state.records.memoryId[i], true, number));
    }
    for (std::size_t i = 0; i < state.records.groupId.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        tree_->setNodeText(tree_->indexOfKey("SG" + std::to_string(number)),
                           TreeBuilder::directoryNodeText(state.records.groupId[i], false, number));
    }
}

void PageSwitcher::refreshGroupTexts()
{
    const auto& groups = state_.records.groups;
    for (int g = Group1; g <= Group3; ++g) {
        const int index = tree_->layout().groupNodeIndex[static_cast<std::size_t>(g)];
        if (index > 0)
            tree_->setNodeText(index, TreeBuilder::groupNodeText(groups[static_cast<std::size_t>(g)], g));
    }
}

void PageSwitcher::refreshCurrentPage()
{
    currentNodeIndex_ = tree_->selectedIndex();
    showNodePage(currentNodeIndex_);
}

void PageSwitcher::selectNodeByKey(const std::string& key)
{
    const int index = tree_->indexOfKey(key);
    if (index == 0) return;
    tree_->selectQuietly(index);
    onNodeSelected(index);
}

void PageSwitcher::onNodeSelected(int index)
{
    emit hintChanged(QString::fromUtf8(msg::SelectionHint));
    if (index == currentNodeIndex_) return;
    if (leavePageCheck()) {
        currentNodeIndex_ = index;
        showNodePage(index);
    } else if (currentNodeIndex_ >= 1 && currentNodeIndex_ <= tree_->nodeCount()) {
        restoreRefusedNode();
    }
}

// The tree finishes its own selection change after the node-selection
// handler (a click selects the clicked node once the press is handled), so
// the shown node and the focus in the refused field are restored again
// when it is done: the highlighted node is always the one being edited.
void PageSwitcher::restoreRefusedNode()
{
    tree_->selectQuietly(currentNodeIndex_);
    QPointer<QWidget> field = shownPage() ? shownPage()->focusWidget() : nullptr;
    restorePending_ = true;
    QTimer::singleShot(0, this, [this, field] {
        restorePending_ = false;
        tree_->selectQuietly(currentNodeIndex_);
        if (field && field->isEnabled()) field->setFocus(Qt::OtherFocusReason);
    });
}

void PageSwitcher::onNodeClicked(int)
{
    const int index = tree_->selectedIndex();
    if (restorePending_) {
        tree_->selectQuietly(currentNodeIndex_);
        return;
    }
    if (index == currentNodeIndex_ || index < 1) return;
    currentNodeIndex_ = index;
    showNodePage(index);
}

void PageSwitcher::showNodePage(int index)
{
    if (window_.isMinimized() || index < 1) return;
    const PageId id = pageForNode(tree_->keyOf(index), tree_->parentKeyOf(index));
    const auto found = pages_.find(id);
    Page* page = found == pages_.end() ? greyPage_ : found->second;
    {
        const ShowingScope showing(state_.flags);
        page->fill(tree_->keyOf(index));
    }
    stack_->setCurrentWidget(page);
    page->setEnabled(true);
    emit hintChanged(QString::fromUtf8(msg::SelectionHint));
}

bool PageSwitcher::leavePageCheck()
{
    Page* page = shownPage();
    if (page && !page->canLeave()) return false;
    // What the page stored on leaving is a step of the page it was made on.
    pageLeft_();
    return true;
}

} // namespace zmp
