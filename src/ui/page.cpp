#include "ui/page.h"

#include <QVBoxLayout>

#include "ui/pagescroller.h"

namespace zmp {

QWidget* Page::scrolledBody()
{
    if (scroller_) return scroller_->body();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    scroller_ = new PageScroller(this);
    layout->addWidget(scroller_);
    return scroller_->body();
}

} // namespace zmp
