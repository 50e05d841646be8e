#include "support/ptyclient.h"

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace zmp::test {

namespace {

int remainingMs(std::chrono::steady_clock::time_point deadline)
{
    const auto left = deadline - std::chrono::steady_clock::now();
    return int(std::max<long long>(0, std::chrono::duration_cast<std::chrono::milliseconds>(left).count()));
}

} // namespace

PtyClient::PtyClient(const std::string& device)
{
    fd_ = ::open(device.c_str(), O_RDWR | O_NOCTTY);
    if (fd_ < 0) return;
    termios settings{};
    tcgetattr(fd_, &settings);
    cfmakeraw(&settings);
    tcsetattr(fd_, TCSANOW, &settings);
}

PtyClient::~PtyClient()
{
    if (fd_ >= 0) ::close(fd_);
}

void PtyClient::send(const std::string& bytes)
{
    [[maybe_unused]] const auto written = ::write(fd_, bytes.data(), bytes.size());
}

std::string PtyClient::readUntil(const std::string& ending, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (pending_.find(ending) == std::string::npos) {
        pollfd fd{fd_, POLLIN, 0};
        if (::poll(&fd, 1, remainingMs(deadline)) <= 0) break;
        char buffer[256];
        const auto count = ::read(fd_, buffer, sizeof buffer);
        if (count <= 0) break;
        pending_.append(buffer, std::size_t(count));
    }
    const auto found = pending_.find(ending);
    const std::size_t end = found == std::string::npos ? pending_.size() : found + ending.size();
    std::string text = pending_.substr(0, end);
    pending_.erase(0, end);
    return text;
}

bool PtyClient::waitForHangUp(int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        pollfd fd{fd_, POLLIN, 0};
        if (::poll(&fd, 1, remainingMs(deadline)) <= 0) return false;
        if (fd.revents & (POLLHUP | POLLERR)) return true;
        char buffer[256];
        if (::read(fd_, buffer, sizeof buffer) <= 0) return true;
    }
}

} // namespace zmp::test
