#include "ui/recentfilesmenu.h"

#include <QDir>
#include <QMenu>

#include "ui/filemenuhandler.h"

namespace zmp {

RecentFilesMenu::RecentFilesMenu(QMenu& menu, FileMenuHandler& files)
    : QObject(&menu), menu_(menu), files_(files)
{
    connect(&menu_, &QMenu::aboutToShow, this, &RecentFilesMenu::fill);
    fill();
}

void RecentFilesMenu::fill()
{
    menu_.clear();
    int number = 0;
    for (const std::string& path : files_.recentFiles().paths()) {
        const QString shown = QDir::toNativeSeparators(QString::fromStdString(path));
        QAction* action = menu_.addAction(QStringLiteral("&%1 %2").arg(++number).arg(shown));
        action->setObjectName(QStringLiteral("mnuFileRecent_%1").arg(number));
        connect(action, &QAction::triggered, this, [this, path] { files_.openChosen(path); });
    }
    menu_.setEnabled(number > 0);
}

} // namespace zmp
