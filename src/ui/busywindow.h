#pragma once

#include "ui/waitcursor.h"

class QWidget;

namespace zmp {

// A window busy with a piece of work: disabled, under the hourglass, and
// given back to the user however the work ends.
class BusyWindow {
  public:
    explicit BusyWindow(QWidget& window);
    ~BusyWindow();
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

  private:
    WaitCursor cursor_;
    QWidget& window_;
};

} // namespace zmp
