#pragma once

#include <QScrollArea>

namespace zmp {

// Holds a page's controls. The controls always keep the room their layout
// asks for: when the window gives the page less, the page scrolls instead
// of squeezing rows into slivers or cutting captions.
class PageScroller : public QScrollArea {
    Q_OBJECT

  public:
    explicit PageScroller(QWidget* parent = nullptr);

    // The widget the page lays its controls out on.
    QWidget* body() const { return widget(); }

    // The whole body, so that the window can open large enough for it.
    QSize sizeHint() const override;
};

} // namespace zmp
