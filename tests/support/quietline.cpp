#include "support/quietline.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace zmp::test {

QuietLine::QuietLine()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
    device_ = ptsname(master_);
    // Raw from the start: no echo of what the device sends.
    const int slave = ::open(device_.c_str(), O_RDWR | O_NOCTTY);
    termios raw{};
    if (slave >= 0 && ::tcgetattr(slave, &raw) == 0) {
        ::cfmakeraw(&raw);
        ::tcsetattr(slave, TCSANOW, &raw);
    }
    if (slave >= 0) ::close(slave);
}

QuietLine::~QuietLine()
{
    if (holder_ >= 0) ::close(holder_);
    if (master_ >= 0) ::close(master_);
}

std::string QuietLine::received()
{
    char buffer[256];
    for (ssize_t n; (n = ::read(master_, buffer, sizeof buffer)) > 0;)
        received_.append(buffer, static_cast<std::size_t>(n));
    return received_;
}

bool QuietLine::holdExclusively()
{
    holder_ = ::open(device_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    return holder_ >= 0 && ::ioctl(holder_, TIOCEXCL) == 0;
}

void QuietLine::sendFromDevice(const std::string& bytes)
{
    // A full buffer only drops bytes, as a real line would.
    if (::write(master_, bytes.data(), bytes.size()) < 0) return;
}

} // namespace zmp::test
