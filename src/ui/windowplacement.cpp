#include "ui/windowplacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "files/appsettings.h"
#include "ui/twips.h"

namespace zmp {

WindowPlacement::WindowPlacement(QWidget& window, SettingsStore& settings)
    : QObject(&window), window_(window), settings_(settings)
{
    window_.installEventFilter(this);
}

void WindowPlacement::placeAtStartUp(const QSize& start, double dpi)
{
    startPlace_ = {window_.x(), window_.y(), start.width(), start.height()};
    startPlaceIsOuter_ = false;
    const AppSettings settings(settings_);
    // The frame record restores the place exactly under any window manager;
    // the twips are the way back when it is missing or from another system.
    if (window_.restoreGeometry(
            QByteArray::fromBase64(QByteArray::fromStdString(settings.mainWindowFrame()))))
        return;
    if (const auto stored = settings.mainWindowGeometry()) {
        startPlace_ = {twipsToPixels(stored->left, dpi), twipsToPixels(stored->top, dpi),
                       twipsToPixels(stored->width, dpi), twipsToPixels(stored->height, dpi)};
        startPlaceIsOuter_ = true;
    }
    applyStartPlace(QSize());
    pending_ = true;
}

void WindowPlacement::store(double dpi)
{
    if (window_.isMinimized()) return;
    const QRect frame = window_.frameGeometry();
    AppSettings settings(settings_);
    settings.storeMainWindowGeometry(pixelsToTwips(frame.left(), dpi), pixelsToTwips(frame.top(), dpi),
                                     pixelsToTwips(frame.width(), dpi), pixelsToTwips(frame.height(), dpi));
    settings.storeMainWindowFrame(window_.saveGeometry().toBase64().toStdString());
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && pending_) settle(0);
    return QObject::eventFilter(watched, event);
}

// The stored twips are the outer place, frame included; the size the pages
// need is the inner one. The frame is known once the window is shown.
void WindowPlacement::applyStartPlace(const QSize& frame)
{
    DesktopArea outer = startPlace_;
    if (!startPlaceIsOuter_) {
        outer.width += frame.width();
        outer.height += frame.height();
    }
    std::vector<DesktopArea> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        screens.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    const DesktopArea placed = placeOnScreens(outer, screens, window_.minimumWidth() + frame.width(),
                                              window_.minimumHeight() + frame.height());
    window_.move(placed.left, placed.top);
    window_.resize(placed.width - frame.width(), placed.height - frame.height());
}

// A window manager frames the window a little after it is shown; the
// place is settled once the frame is known, so that the whole frame,
// title bar included, stands on the screen.
void WindowPlacement::settle(int attempt)
{
    constexpr int Attempts = 20;
    constexpr int RetryMs = 25;
    const QSize frame = window_.frameGeometry().size() - window_.size();
    const bool framed = frame.width() > 0 || frame.height() > 0;
    if (!framed && attempt < Attempts) {
        QTimer::singleShot(RetryMs, this, [this, attempt] { settle(attempt + 1); });
        return;
    }
    pending_ = false;
    if (framed) applyStartPlace(frame);
}

} // namespace zmp
