#include "radiosim/ptyport.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace zmp::radiosim {

namespace {

[[noreturn]] void fail(const char* what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

// Raw 8N1 with no echo and no character translation in either direction:
// the protocol carries CR, LF and CAN as plain bytes.
void makeRaw(int fd)
{
    termios settings{};
    if (tcgetattr(fd, &settings) != 0) fail("tcgetattr");
    cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    cfsetispeed(&settings, B19200);
    cfsetospeed(&settings, B19200);
    if (tcsetattr(fd, TCSANOW, &settings) != 0) fail("tcsetattr");
}

int rateOf(speed_t speed)
{
    switch (speed) {
    case B1200:
        return 1200;
    case B2400:
        return 2400;
    case B4800:
        return 4800;
    case B9600:
        return 9600;
    case B19200:
        return 19200;
    case B38400:
        return 38400;
    case B57600:
        return 57600;
    case B115200:
        return 115200;
    case B230400:
        return 230400;
    default:
        return 0;
    }
}

} // namespace

PtyPort::PtyPort()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) fail("posix_openpt");
    char name[128];
    if (grantpt(master_) != 0 || unlockpt(master_) != 0 || ptsname_r(master_, name, sizeof name) != 0) {
        const int error = errno;
        ::close(master_);
        throw std::system_error(error, std::generic_category(), "pseudo-terminal set-up");
    }
    slavePath_ = name;
    slaveKeeper_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slaveKeeper_ < 0) {
        const int error = errno;
        ::close(master_);
        throw std::system_error(error, std::generic_category(), "open " + slavePath_);
    }
    makeRaw(slaveKeeper_);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
}

PtyPort::~PtyPort()
{
    hangUp();
}

long PtyPort::read(std::uint8_t* buffer, std::size_t size)
{
    if (master_ < 0) return -1;
    const ssize_t count = ::read(master_, buffer, size);
    if (count > 0) return count;
    if (count < 0 && (errno == EAGAIN || errno == EINTR)) return 0;
    return count == 0 ? 0 : -1;
}

long PtyPort::write(const std::uint8_t* bytes, std::size_t size)
{
    if (master_ < 0) return -1;
    const ssize_t count = ::write(master_, bytes, size);
    if (count >= 0) return count;
    return errno == EAGAIN || errno == EINTR ? 0 : -1;
}

int PtyPort::unread() const
{
    int count = 0;
    // The keeper shares the computer's end, so it sees the same input queue.
    if (slaveKeeper_ < 0 || ioctl(slaveKeeper_, FIONREAD, &count) != 0) return 0;
    return count;
}

int PtyPort::lineRate() const
{
    termios settings{};
    // On a master the settings read are those of the slave, where the computer set them.
    if (master_ < 0 || tcgetattr(master_, &settings) != 0) return 0;
    return rateOf(cfgetospeed(&settings));
}

void PtyPort::hangUp()
{
    if (slaveKeeper_ >= 0) ::close(slaveKeeper_);
    if (master_ >= 0) ::close(master_);
    slaveKeeper_ = -1;
    master_ = -1;
}

} // namespace zmp::radiosim
