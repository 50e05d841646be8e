#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace zmp::test {

// zmp-radio-sim run as a child process, as a user runs it.
class SimProcess {
  public:
    explicit SimProcess(const std::vector<std::string>& args);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The first line of its output (the device), within a deadline.
    std::string firstLine(int timeoutMs = 5000);
    // Everything else it printed to its output until it exited.
    std::string restOfOutput();
    // Sends SIGTERM (unless it has exited) and returns its exit status; -1 when
    // killed, or when it had to be killed for not ending within the deadline.
    int stop();
    // Waits for it to exit on its own, at most timeoutMs; -1 when it did not.
    int wait(int timeoutMs = 5000);

  private:
    int reap(int options);

    pid_t pid_ = -1;
    int output_ = -1;
    int status_ = -1;
    std::string buffered_;
};

} // namespace zmp::test
