#include "support/simprocess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

#include "support/waitfor.h"

namespace zmp::test {

SimProcess::SimProcess(const std::vector<std::string>& args)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return;
    std::vector<char*> argv;
    std::string program = ZMP_RADIO_SIM;
    argv.push_back(program.data());
    std::vector<std::string> copies(args);
    for (auto& arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(pipeFds[1], STDOUT_FILENO);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    output_ = pipeFds[0];
}

SimProcess::~SimProcess()
{
    stop();
    if (output_ >= 0) ::close(output_);
}

std::string SimProcess::firstLine(int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (buffered_.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd fd{output_, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&fd, 1, int(left.count())) <= 0) return {};
        char buffer[256];
        const auto count = ::read(output_, buffer, sizeof buffer);
        if (count <= 0) return {};
        buffered_.append(buffer, std::size_t(count));
    }
    const auto end = buffered_.find('\n');
    std::string line = buffered_.substr(0, end);
    buffered_.erase(0, end + 1);
    return line;
}

std::string SimProcess::restOfOutput()
{
    char buffer[256];
    for (ssize_t count; (count = ::read(output_, buffer, sizeof buffer)) > 0;)
        buffered_.append(buffer, std::size_t(count));
    return std::exchange(buffered_, {});
}

int SimProcess::stop()
{
    if (pid_ > 0) ::kill(pid_, SIGTERM);
    const int status = wait();
    // One that ignores the request must not outlive the test.
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        reap(0);
    }
    return status;
}

int SimProcess::wait(int timeoutMs)
{
    if (!waitFor([this] { return pid_ <= 0 || reap(WNOHANG) != 0; }, std::chrono::milliseconds(timeoutMs)))
        return -1;
    return status_;
}

int SimProcess::reap(int options)
{
    int status = 0;
    const pid_t done = ::waitpid(pid_, &status, options);
    if (done == 0) return 0;
    pid_ = -1;
    status_ = done > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return 1;
}

} // namespace zmp::test
