#pragma once

#include <array>
#include <string>
#include <vector>

#include "codec/channelplan.h"
#include "model/records.h"
#include "ui/treenode.h"

namespace zmp {

// The whole tree as a list of nodes in display order, with the one-based
// node indexes of the Group1, Group2, Group3 and EXP Channel nodes
// (0 when the node is absent).
struct TreeLayout {
    std::vector<TreeNode> nodes;
    std::array<int, 4> groupNodeIndex{};
};

// Builds the tree from the records. The tree is always rebuilt from scratch
// when its set of nodes may have changed, so this is the only place that
// knows which nodes exist.
class TreeBuilder {
  public:
    TreeBuilder(const Records& records, bool hasAtis, const ChannelPlan& plan);

    TreeLayout build() const;

    static std::string groupNodeText(const UsableGroup& group, int groupIndex);
    static std::string channelNodeText(const ChannelRecord& record, const ChannelPlan& plan);
    static std::string expNodeText(const ChannelRecord& record, int number);
    static std::string directoryNodeText(const DirectoryEntry& entry, bool memoryId, int number);

  private:
    void addGeneral(TreeLayout& tree) const;
    void addProgramable(TreeLayout& tree) const;
    void addGroup(TreeLayout& tree, int parent, int groupIndex) const;
    void addDsc(TreeLayout& tree) const;
    void addExp(TreeLayout& tree) const;

    const Records& records_;
    bool hasAtis_;
    const ChannelPlan& plan_;
};

// The record index encoded in a child key: the characters after the
// two-letter prefix ("PU12", "SM3") or after "E" ("E7"); -1 when none.
int recordIndexOfKey(const std::string& key);

} // namespace zmp
