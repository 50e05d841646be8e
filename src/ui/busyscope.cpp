#include "ui/busyscope.h"

#include <QWidget>

namespace zmp {

BusyScope::BusyScope(QWidget& window) : window_(window)
{
    window_.setEnabled(false);
}

BusyScope::~BusyScope()
{
    window_.setEnabled(true);
}

} // namespace zmp
