#include "ui/gridwheel.h"

#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#include <QWheelEvent>

namespace zmp {

GridWheel::GridWheel(QWidget* window) : QObject(window), window_(window)
{
    qApp->installEventFilter(this);
}

GridWheel::~GridWheel()
{
    qApp->removeEventFilter(this);
}

bool GridWheel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    auto* viewport = static_cast<QWidget*>(watched);
    auto* grid = qobject_cast<QTableView*>(viewport->parentWidget());
    if (!grid || grid->viewport() != viewport || !grid->hasFocus() || grid->window() != window_)
        return QObject::eventFilter(watched, event);
    const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
    if (delta == 0) return QObject::eventFilter(watched, event);
    // One line per wheel event, whatever the size of its delta.
    grid->verticalScrollBar()->triggerAction(delta > 0 ? QAbstractSlider::SliderSingleStepSub
                                                       : QAbstractSlider::SliderSingleStepAdd);
    return true;
}

} // namespace zmp
