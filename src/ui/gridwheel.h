#pragma once

#include <QObject>

class QWidget;

namespace zmp {

// The grids of a window scroll one line for each mouse-wheel notch, the way
// the radio's lists move, instead of the desktop's several lines. Only the
// grid that has the focus is affected; the others keep the default scrolling.
class GridWheel : public QObject {
    Q_OBJECT

  public:
    // Watches the wheel events of every grid inside window.
    explicit GridWheel(QWidget* window);
    ~GridWheel() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
};

} // namespace zmp
