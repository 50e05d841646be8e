#pragma once

#include <QObject>

class QMenu;

namespace zmp {

class FileMenuHandler;

// The File menu's "Recent Files": the last configuration files opened or
// saved, numbered, filled each time the menu opens; a choice opens its
// file through the File menu's own checks.
class RecentFilesMenu : public QObject {
    Q_OBJECT

  public:
    RecentFilesMenu(QMenu& menu, FileMenuHandler& files);

  private:
    void fill();

    QMenu& menu_;
    FileMenuHandler& files_;
};

} // namespace zmp
