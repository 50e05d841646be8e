#include "ui/pagescroller.h"

namespace zmp {

namespace {

// A body never gives its controls less than they ask for.
class PageBody : public QWidget {
  public:
    using QWidget::QWidget;
    QSize minimumSizeHint() const override { return sizeHint(); }
};

} // namespace

PageScroller::PageScroller(QWidget* parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("pageScroller"));
    setFrameShape(QFrame::NoFrame);
    // The first Tab goes to the page's first control, not to the frame
    // around it that the user cannot see.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    auto* body = new PageBody(this);
    body->setObjectName(QStringLiteral("pageBody"));
    setWidget(body);
}

QSize PageScroller::sizeHint() const
{
    const int frame = 2 * frameWidth();
    return widget()->sizeHint() + QSize(frame, frame);
}

} // namespace zmp
