#pragma once

#include <QListWidget>

#include "model/memoryimage.h"

namespace zmp {

// lstHex: the engineering view of the memory image, sixteen bytes a line,
// lying over the editing area while the Hexdump item is checked.
class HexView : public QListWidget {
    Q_OBJECT

  public:
    explicit HexView(QWidget* parent = nullptr);

    // Shows the image as it is now; later edits show after the next rebuild.
    void rebuild(const MemoryImage& image);
};

} // namespace zmp
