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
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (!quiet_ && current) emit nodeSelected(indexOfItem(current));
    });
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (item) emit nodeClicked(indexOfItem(item));
    });
}

void NodeTree::rebuild(const TreeLayout& layout)
{
    quiet_ = true;
    clear();
    items_.clear();
    layout_ = layout;
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
    quiet_ = false;
}

int NodeTree::selectedIndex() const
{
    return indexOfItem(currentItem());
}

int NodeTree::indexOfKey(const std::string& key) const
{
    for (std::size_t i = 0; i < layout_.nodes.size(); ++i)
        if (layout_.nodes[i].key == key) return static_cast<int>(i) + 1;
    return 0;
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
