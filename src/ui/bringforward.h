#pragma once

class QWidget;

namespace zmp {

// Brings every tab and stacked page between the control and its window to
// the front, so that a control on a later tab can take the focus.
void bringForward(QWidget* control);

} // namespace zmp
