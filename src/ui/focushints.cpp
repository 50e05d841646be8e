#include "ui/focushints.h"

#include <QEvent>
#include <QWidget>

namespace zmp {

void FocusHints::add(QWidget* control, const char* hint)
{
    control->setProperty("statusHint", QString::fromUtf8(hint));
    // What the status bar shows is what a screen reader says about it.
    control->setAccessibleDescription(QString::fromUtf8(hint));
    control->installEventFilter(this);
}

bool FocusHints::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) emit hintShown(watched->property("statusHint").toString());
    return QObject::eventFilter(watched, event);
}

} // namespace zmp
