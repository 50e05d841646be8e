#pragma once

#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include <QTreeWidget>

#include "ui/treebuilder.h"

namespace zmp {

// tvTreeView: the tree of everything that can be edited. Nodes are
// numbered from 1 in display order, as the window's current node index
// counts them.
class NodeTree : public QTreeWidget {
    Q_OBJECT

  public:
    explicit NodeTree(QWidget* parent = nullptr);

    void rebuild(const TreeLayout& layout);
    const TreeLayout& layout() const { return layout_; }
    int nodeCount() const { return static_cast<int>(items_.size()); }
    int selectedIndex() const;
    int indexOfKey(const std::string& key) const; // 0 when no node has it
    std::string keyOf(int index) const;
    std::string parentKeyOf(int index) const;
    QTreeWidgetItem* node(int index) const;
    // Makes the node current without a node-selection event.
    void selectQuietly(int index);
    void setNodeText(int index, const std::string& text);

  signals:
    // The user moved the selection (click or arrow keys) to this node.
    void nodeSelected(int index);
    void nodeClicked(int index);

  private:
    int indexOfItem(QTreeWidgetItem* item) const;
    // The keys of the expanded nodes, which a rebuild expands again.
    std::set<std::string> expandedKeys() const;
    void followSelection();

    TreeLayout layout_;
    std::vector<QTreeWidgetItem*> items_;
    // Node index by key: the directory texts look up 150 nodes at a time.
    std::unordered_map<std::string, int> indexOfKey_;
    bool quiet_ = false;
};

} // namespace zmp
