#include "ui/busywindow.h"

#include <QWidget>

namespace zmp {

BusyWindow::BusyWindow(QWidget& window) : window_(window)
{
    window_.setEnabled(false);
}

BusyWindow::~BusyWindow()
{
    window_.setEnabled(true);
}

} // namespace zmp
