#include "platform/serialdeviceuse.h"

#include <QtGlobal>

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace zmp {

std::string SerialDeviceUse::heldElsewhere(const std::string& device)
{
#ifdef Q_OS_WIN
    // Windows opens a COM port for one program only: the opening says so.
    (void)device;
    return {};
#else
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == EBUSY ? InUse : std::string();
    bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
#ifdef TIOCGEXCL
    int exclusive = 0;
    held = held || (::ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0);
#endif
    ::close(fd);
    return held ? InUse : std::string();
#endif
}

} // namespace zmp
