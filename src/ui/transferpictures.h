#pragma once

#include <QPixmap>

namespace zmp {

// The pictures of the transfer dialog, drawn rather than loaded: the radio,
// the computer, and the cable between them.
class TransferPictures {
  public:
    static QPixmap radio(int width, int height);
    static QPixmap computer(int width, int height);
    static QPixmap cable(int width, int height);
};

} // namespace zmp
