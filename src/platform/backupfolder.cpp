#include "platform/backupfolder.h"

#include <QStandardPaths>

namespace zmp {

std::string backupFolder()
{
    // The generic location, not the application's own: the editor and
    // zmp-cli are two applications sharing one folder.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty()) return {};
    return (data + QStringLiteral("/ZMP/backups")).toStdString();
}

} // namespace zmp
