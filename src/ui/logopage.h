#pragma once

#include "ui/page.h"

namespace zmp {

// The "General" page: the program's logo, drawn here rather than loaded,
// so it scales with the window and needs no picture file.
class LogoPage : public Page {
    Q_OBJECT

  public:
    explicit LogoPage(PageContext context, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void drawWaves(class QPainter& painter, const QRectF& area) const;
    void drawMark(QPainter& painter, const QRectF& area) const;
};

} // namespace zmp
