#pragma once

class QWidget;

namespace zmp {

// The window layouts are given in twips: 15 twips make one pixel at 96 dpi,
// and a screen with more dots per inch gets proportionally more pixels.
inline constexpr int TwipsPerPixelAt96Dpi = 15;

int twipsToPixels(int twips, double dpi = 96.0);
int pixelsToTwips(int pixels, double dpi = 96.0);

// The dots per inch of the screen a widget is on; 96 off screen.
double screenDpi(const QWidget& widget);

} // namespace zmp
