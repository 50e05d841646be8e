#pragma once

#include <string>

namespace zmp {

// The pages of the main window's right-hand side.
enum class PageId {
    Logo,
    Grey,
    UsableSetup,
    CommonSetup,
    DscSetup,
    AtisSetup,
    GroupGrid,
    ExpGrid,
    Weather,
    ChannelEditor,
    DirectoryGrid,
    DirectoryEntry,
};

// Which page a tree node shows, decided by the node's key or its parent's
// key, compared without regard to case.
PageId pageForNode(const std::string& key, const std::string& parentKey);

} // namespace zmp
