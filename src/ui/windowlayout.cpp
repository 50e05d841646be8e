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

namespace {

long long overlap(const DesktopArea& a, const DesktopArea& b)
{
    const long long w = std::min(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
    const long long h = std::min(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

int fitInto(int start, int length, int areaStart, int areaLength)
{
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

} // namespace

DesktopArea placeOnScreens(const DesktopArea& wanted, const std::vector<DesktopArea>& screens,
                           int minimumWidth, int minimumHeight)
{
    if (screens.empty()) return wanted;
    const DesktopArea* screen = &screens.front();
    for (const DesktopArea& candidate : screens)
        if (overlap(wanted, candidate) > overlap(wanted, *screen)) screen = &candidate;
    DesktopArea placed;
    placed.width = std::max(minimumWidth, std::min(wanted.width, screen->width));
    placed.height = std::max(minimumHeight, std::min(wanted.height, screen->height));
    placed.left = fitInto(wanted.left, placed.width, screen->left, screen->width);
    placed.top = fitInto(wanted.top, placed.height, screen->top, screen->height);
    return placed;
}

int windowWidthForPages(int pagesWidth)
{
    return (pagesWidth * 10 + 6) / 7;
}

} // namespace zmp
