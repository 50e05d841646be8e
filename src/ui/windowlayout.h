#pragma once

namespace zmp {

// The main window's layout rules, in twips.
inline constexpr int MinimumWindowWidthTwips = 9105;
inline constexpr int MinimumWindowHeightTwips = 6660;
// The splitter bar keeps this far from either edge of the window: both the
// tree and the pages are at least this wide.
inline constexpr int SplitterMarginTwips = 2500;
// Below the toolbar, the hex view leaves this much of the height and width.
inline constexpr int HexViewHeightMarginTwips = 230;
inline constexpr int HexViewWidthMarginTwips = 100;

// The tree's width after a resize: 30 % of the window width.
int treeWidthAfterResize(int windowWidthTwips);

struct HexViewSize {
    int width = 0;
    int height = 0;
};
// The hex view fills the window below the toolbar.
HexViewSize hexViewSize(int windowWidthTwips, int windowHeightTwips, int toolbarHeightTwips);

} // namespace zmp
