#include "ui/nodetree.h"

#include <QHeaderView>
#include <QPalette>

namespace zmp {

NodeTree::NodeTree(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("tvTreeView"));
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setItemsExpandable(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    // The selection stays visible while another control has the focus.
    QPalette keep = palette();
    keep.setColor(QPalette::Inactive, QPalette::Highlight, keep.color(QPalette::Active, QPalette::Highlight));
    keep.setColor(QPalette::Inactive, QPalette::HighlightedText,
                  keep.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(keep);
    setProperty("helpContext", 1054);
    setAccessibleName(QStringLiteral("Settings tree"));
    // Long labels get a horizontal scroll bar instead of being cut short.
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (!quiet_ && current) emit nodeSelected(indexOfItem(current));
    });
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (item) emit nodeClicked(indexOfItem(item));
    });
    // Assistive technology selects a row without making it current; the
    // row it selects is the one the user chose. Clicks and keys move both,
    // so once they are done there is nothing left to follow.
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!quiet_) QMetaObject::invokeMethod(this, &NodeTree::followSelection, Qt::QueuedConnection);
    });
}

void NodeTree::rebuild(const TreeLayout& layout)
{
    quiet_ = true;
    const std::set<std::string> expanded = expandedKeys();
    clear();
    items_.clear();
    layout_ = layout;
    indexOfKey_.clear();
    for (std::size_t i = 0; i < layout.nodes.size(); ++i)
        indexOfKey_.emplace(layout.nodes[i].key, static_cast<int>(i) + 1);
    items_.reserve(layout.nodes.size());
    // Items are made detached and handed over in one go per parent: the
    // view then lays out once instead of once per node.
    QList<QTreeWidgetItem*> roots;
    for (const TreeNode& node : layout.nodes) {
        auto* item = new QTreeWidgetItem(QStringList(QString::fromStdString(node.text)));
        items_.push_back(item);
        item->setData(0, Qt::UserRole, static_cast<int>(items_.size()));
        if (node.parent < 0)
            roots.append(item);
        else
            items_[static_cast<std::size_t>(node.parent)]->addChild(item);
    }
    addTopLevelItems(roots);
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (expanded.count(layout_.nodes[i].key)) items_[i]->setExpanded(true);
    quiet_ = false;
}

void NodeTree::followSelection()
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    if (selected.size() == 1 && selected.front() != currentItem()) setCurrentItem(selected.front());
}

std::set<std::string> NodeTree::expandedKeys() const
{
    std::set<std::string> keys;
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i]->isExpanded()) keys.insert(layout_.nodes[i].key);
    return keys;
}

int NodeTree::selectedIndex() const
{
    return indexOfItem(currentItem());
}

int NodeTree::indexOfKey(const std::string& key) const
{
    const auto found = indexOfKey_.find(key);
    return found == indexOfKey_.end() ? 0 : found->second;
}

std::string NodeTree::keyOf(int index) const
{
    if (index < 1 || index > nodeCount()) return "";
    return layout_.nodes[static_cast<std::size_t>(index - 1)].key;
}

std::string NodeTree::parentKeyOf(int index) const
{
    if (index < 1 || index > nodeCount()) return "";
    const int parent = layout_.nodes[static_cast<std::size_t>(index - 1)].parent;
    return parent < 0 ? "" : layout_.nodes[static_cast<std::size_t>(parent)].key;
}

QTreeWidgetItem* NodeTree::node(int index) const
{
    if (index < 1 || index > nodeCount()) return nullptr;
    return items_[static_cast<std::size_t>(index - 1)];
}

void NodeTree::selectQuietly(int index)
{
    QTreeWidgetItem* item = node(index);
    if (!item) return;
    quiet_ = true;
    setCurrentItem(item);
    scrollToItem(item);
    quiet_ = false;
}

void NodeTree::setNodeText(int index, const std::string& text)
{
    if (QTreeWidgetItem* item = node(index)) {
        item->setText(0, QString::fromStdString(text));
        layout_.nodes[static_cast<std::size_t>(index - 1)].text = text;
    }
}

int NodeTree::indexOfItem(QTreeWidgetItem* item) const
{
    return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

} // namespace zmp
