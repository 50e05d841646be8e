#pragma once

#include "ui/waitcursor.h"

class QWidget;

namespace zmp {

// A window busy with a piece of work: disabled, under the hourglass, and
// given back to the user however the work ends.
class BusyScope {
  public:
    explicit BusyScope(QWidget& window);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    WaitCursor cursor_;
    QWidget& window_;
};

} // namespace zmp
