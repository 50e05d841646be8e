#include "platform/portaccessadvice.h"

#include <QtGlobal>

#include <filesystem>
#include <system_error>

#ifndef Q_OS_WIN
#include <fcntl.h>
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
    if (group == "root") return udevRuleText(device);
    return "You have no permission to use " + device + ". It belongs to the group \"" + group +
           "\": add yourself to it (sudo usermod -aG " + group + " $USER), then log out and in again.";
}

std::string PortAccessAdvice::udevRuleText(const std::string& device)
{
    // A stable name (/dev/serial/by-id/...) is a link: the rule names the device itself.
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(device, error);
    const std::string name = (error ? std::filesystem::path(device) : real).filename().string();
    return "You have no permission to use " + device +
           ". It belongs to the group \"root\", which no user should join: give it the group \"dialout\" "
           "with a udev rule, a file /etc/udev/rules.d/60-serial-dialout.rules holding the line "
           "KERNEL==\"" +
           name +
           "\", GROUP=\"dialout\", MODE=\"0660\" (then sudo udevadm control --reload && sudo udevadm "
           "trigger), add yourself to that group (sudo usermod -aG dialout $USER), then log out and in "
           "again.";
}

namespace {

#ifndef Q_OS_WIN
// Only a character device can be a terminal; one is opened without
// waiting for a carrier to find out.
bool isTerminal(const std::string& device, const struct stat& status)
{
    if (!S_ISCHR(status.st_mode)) return false;
    const int handle = ::open(device.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    if (handle < 0) return true;
    const bool terminal = ::isatty(handle) == 1;
    ::close(handle);
    return terminal;
}
#endif

} // namespace

std::string PortAccessAdvice::notSerialText(const std::string& device)
{
#ifdef Q_OS_WIN
    (void)device;
    return {};
#else
    struct stat status {};
    if (::stat(device.c_str(), &status) != 0 || isTerminal(device, status)) return {};
    return device + " is not a serial device: name the one the radio's cable is plugged into.";
#endif
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
