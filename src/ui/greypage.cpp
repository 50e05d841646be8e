#include "ui/greypage.h"

#include <QPalette>

namespace zmp {

GreyPage::GreyPage(PageContext context, QWidget* parent) : Page(context, parent)
{
    setObjectName(QStringLiteral("pictGrey"));
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(grey);
}

} // namespace zmp
