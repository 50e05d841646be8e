#pragma once

#include <vector>

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

// A rectangle of the desktop in pixels: a window's frame or a screen's
// available area.
struct DesktopArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const DesktopArea&) const = default;
};

// A stored window place brought onto the screens that exist now: onto the
// screen holding most of it (the first screen when none holds any), no
// larger than that screen and no smaller than the minimum.
DesktopArea placeOnScreens(const DesktopArea& wanted, const std::vector<DesktopArea>& screens,
                           int minimumWidth, int minimumHeight);

// The window width at which the pages get this width once the tree has
// taken its 30 % (the splitter handle comes out of the pages' share).
int windowWidthForPages(int pagesWidth);

} // namespace zmp
