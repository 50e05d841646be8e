#include "ui/bringforward.h"

#include <QStackedWidget>
#include <QTabWidget>

namespace zmp {

void bringForward(QWidget* control)
{
    for (QWidget* child = control; child && child->parentWidget(); child = child->parentWidget()) {
        if (auto* stack = qobject_cast<QStackedWidget*>(child->parentWidget())) {
            if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
                tabs->setCurrentWidget(child);
            else
                stack->setCurrentWidget(child);
        }
    }
}

} // namespace zmp
