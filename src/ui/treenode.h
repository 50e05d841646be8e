#pragma once

#include <string>

namespace zmp {

// One node of the editor's tree: its internal key, the text it shows and
// the index of its parent in the node list (-1 for a root node).
struct TreeNode {
    std::string key;
    std::string text;
    int parent = -1;
};

} // namespace zmp
