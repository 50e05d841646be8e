#include "ui/pause.h"

#include <QEventLoop>
#include <QTimer>

namespace zmp {

void pauseMs(int ms)
{
    if (ms <= 0) return;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace zmp
