#pragma once

#include <QObject>

class QWidget;

namespace zmp {

class FileMenuHandler;

// Files dropped on the window: a configuration file opens as from the
// recent-files list (after the save question), an image file only in the
// engineering mode; anything else is not taken.
class FileDrops : public QObject {
    Q_OBJECT

  public:
    FileDrops(QWidget& window, FileMenuHandler& files);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    FileMenuHandler& files_;
};

} // namespace zmp
