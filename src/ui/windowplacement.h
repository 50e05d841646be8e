#pragma once

#include <QObject>
#include <QSize>

#include "files/settingsstore.h"
#include "ui/windowlayout.h"

class QWidget;

namespace zmp {

// Where the main window stands. At start-up: the place it was left in,
// its frame exactly by the window system's own record, else by the twips
// kept beside it; a first start at the size the pages need, the whole
// frame on the screen. At exit both records are kept again.
class WindowPlacement : public QObject {
    Q_OBJECT

  public:
    WindowPlacement(QWidget& window, SettingsStore& settings);

    // Before the window is first shown; start is the inner size the pages need.
    void placeAtStartUp(const QSize& start, double dpi);
    void store(double dpi);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void applyStartPlace(const QSize& frame);
    void settle(int attempt);

    QWidget& window_;
    SettingsStore& settings_;
    DesktopArea startPlace_;
    bool startPlaceIsOuter_ = false;
    bool pending_ = false;
};

} // namespace zmp
