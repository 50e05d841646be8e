#include "ui/windowlayout.h"

#include <algorithm>

namespace zmp {

int treeWidthAfterResize(int windowWidthTwips)
{
    return windowWidthTwips * 3 / 10;
}

HexViewSize hexViewSize(int windowWidthTwips, int windowHeightTwips, int toolbarHeightTwips)
{
    return {std::max(0, windowWidthTwips - HexViewWidthMarginTwips),
            std::max(0, windowHeightTwips - toolbarHeightTwips - HexViewHeightMarginTwips)};
}

} // namespace zmp
