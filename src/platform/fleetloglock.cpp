#include "platform/fleetloglock.h"

#include <QString>

namespace zmp {

std::string FleetLogLock::lockPath(const std::string& log)
{
    return log + ".lock";
}

bool FleetLogLock::lock(const std::string& log, std::string& reason)
{
    file_ = std::make_unique<QLockFile>(QString::fromStdString(lockPath(log)));
    // However long the run takes, the lock stays its own.
    file_->setStaleLockTime(0);
    if (file_->tryLock(0)) return true;
    qint64 pid = 0;
    QString host;
    QString application;
    if (file_->error() == QLockFile::LockFailedError && file_->getLockInfo(&pid, &host, &application)) {
        reason = "in use by another fleet program (process " + std::to_string(pid) +
                 "); wait for it to end or name another log";
    } else {
        reason = "cannot create " + lockPath(log) +
                 (file_->error() == QLockFile::PermissionError ? ": Permission denied" : "");
    }
    file_.reset();
    return false;
}

} // namespace zmp
