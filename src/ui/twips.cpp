#include "ui/twips.h"

#include <cmath>

#include <QScreen>
#include <QWidget>

namespace zmp {

int twipsToPixels(int twips, double dpi)
{
    return static_cast<int>(std::lround(twips * dpi / (96.0 * TwipsPerPixelAt96Dpi)));
}

int pixelsToTwips(int pixels, double dpi)
{
    return static_cast<int>(std::lround(pixels * 96.0 * TwipsPerPixelAt96Dpi / dpi));
}

double screenDpi(const QWidget& widget)
{
    const QScreen* screen = widget.screen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

} // namespace zmp
