#include "platform/portaccessadvice.h"

#include <QtGlobal>

#ifndef Q_OS_WIN
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zmp {

std::string PortAccessAdvice::ownerGroup(const std::string& device)
{
#ifdef Q_OS_WIN
    (void)device;
    return {};
#else
    struct stat status {};
    if (::stat(device.c_str(), &status) != 0) return {};
    const struct group* owner = ::getgrgid(status.st_gid);
    return owner && owner->gr_name ? owner->gr_name : std::to_string(status.st_gid);
#endif
}

std::string PortAccessAdvice::joinGroupText(const std::string& device, const std::string& group)
{
    return "You have no permission to use " + device + ". It belongs to the group \"" + group +
           "\": add yourself to it (sudo usermod -aG " + group + " $USER), then log out and in again.";
}

std::string PortAccessAdvice::text(const std::string& device)
{
#ifdef Q_OS_WIN
    return device + " is in use by another program, or you have no permission to use it.";
#else
    // Allowed to read and write it: then something else holds the device.
    if (::access(device.c_str(), R_OK | W_OK) == 0) return device + " is in use by another program.";
    const std::string group = ownerGroup(device);
    return joinGroupText(device, group.empty() ? "dialout" : group);
#endif
}

} // namespace zmp
