#include "ui/treebuilder.h"

#include <charconv>

#include "rules/fieldrules.h"

namespace zmp {

namespace {

constexpr const char* EnableMark = "[Enable]";

int add(TreeLayout& tree, std::string key, std::string text, int parent)
{
    tree.nodes.push_back({std::move(key), std::move(text), parent});
    return static_cast<int>(tree.nodes.size()) - 1;
}

} // namespace

TreeBuilder::TreeBuilder(const Records& records, bool hasAtis, const ChannelPlan& plan)
    : records_(records), hasAtis_(hasAtis), plan_(plan)
{
}

TreeLayout TreeBuilder::build() const
{
    TreeLayout tree;
    addGeneral(tree);
    addProgramable(tree);
    addDsc(tree);
    if (records_.groups[ExpCh].Enable) addExp(tree);
    return tree;
}

std::string TreeBuilder::groupNodeText(const UsableGroup& group, int groupIndex)
{
    std::string text = "Group" + std::to_string(groupIndex + 1);
    if (!trimSpaces(group.StatusName).empty()) text += "(" + group.StatusName + ")";
    return text;
}

std::string TreeBuilder::channelNodeText(const ChannelRecord& record, const ChannelPlan& plan)
{
    std::string text = "CH";
    if (record.Position >= 0 && static_cast<std::size_t>(record.Position) < plan.size())
        text += plan[static_cast<std::size_t>(record.Position)].Label;
    return record.Enable ? text + EnableMark : text;
}

std::string TreeBuilder::expNodeText(const ChannelRecord& record, int number)
{
    std::string text = "EXP" + std::to_string(number);
    return record.Enable ? text + EnableMark : text;
}

std::string TreeBuilder::directoryNodeText(const DirectoryEntry& entry, bool memoryId, int number)
{
    std::string text = (memoryId ? "Memory ID" : "Group ID") + std::to_string(number);
    return entry.Enable ? text + EnableMark : text;
}

void TreeBuilder::addGeneral(TreeLayout& tree) const
{
    const int general = add(tree, "General", "General", -1);
    add(tree, "Usable", "Usable CH Group Setup", general);
    add(tree, "Common", "Common Setup", general);
    add(tree, "DSC", "DSC Setup", general);
    if (hasAtis_) add(tree, "ATIS", "ATIS Setup", general);
}

void TreeBuilder::addProgramable(TreeLayout& tree) const
{
    const int program = add(tree, "Program", "Programable Channel", -1);
    for (int g = Group1; g <= Group3; ++g)
        if (records_.groups[static_cast<std::size_t>(g)].Enable) addGroup(tree, program, g);
    add(tree, "PW", "Weather", program);
}

void TreeBuilder::addGroup(TreeLayout& tree, int parent, int groupIndex) const
{
    static const char* const prefixes[] = {"PU", "PI", "PC"};
    const std::string prefix = prefixes[groupIndex];
    const int node =
        add(tree, prefix, groupNodeText(records_.groups[static_cast<std::size_t>(groupIndex)], groupIndex),
            parent);
    tree.groupNodeIndex[static_cast<std::size_t>(groupIndex)] = static_cast<int>(tree.nodes.size());
    const ChannelTable& table = groupTable(records_, groupIndex);
    for (std::size_t i = 0; i < table.size(); ++i)
        add(tree, prefix + std::to_string(i), channelNodeText(table[i], plan_), node);
}

void TreeBuilder::addDsc(TreeLayout& tree) const
{
    const int dsc = add(tree, "DSCSetting", "DSC", -1);
    const int individual = add(tree, "SM", "Individual Directory", dsc);
    for (std::size_t i = 0; i < records_.memoryId.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        add(tree, "SM" + std::to_string(number), directoryNodeText(records_.memoryId[i], true, number),
            individual);
    }
    const int group = add(tree, "SG", "Group Directory", dsc);
    for (std::size_t i = 0; i < records_.groupId.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        add(tree, "SG" + std::to_string(number), directoryNodeText(records_.groupId[i], false, number),
            group);
    }
}

void TreeBuilder::addExp(TreeLayout& tree) const
{
    const int exp = add(tree, "ExpChannel", "EXP Channel", -1);
    tree.groupNodeIndex[ExpCh] = static_cast<int>(tree.nodes.size());
    for (std::size_t i = 0; i < records_.exp.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        add(tree, "E" + std::to_string(number), expNodeText(records_.exp[i], number), exp);
    }
}

int recordIndexOfKey(const std::string& key)
{
    const std::size_t start = (!key.empty() && (key[0] == 'E' || key[0] == 'e')) ? 1 : 2;
    if (key.size() <= start) return -1;
    int value = -1;
    const char* first = key.data() + start;
    const char* last = key.data() + key.size();
    const auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc() || result.ptr != last) return -1;
    return value;
}

} // namespace zmp
