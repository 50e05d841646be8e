#pragma once

#include <sys/types.h>

#include <string>

namespace zmp {

// Takes a temporary file's name away should this process die while the
// name stands, killed or not: a small child process waits on a socket
// whose other end only this process holds, and unlinks the name when that
// end closes without a word. Dropping the guard says the name is dealt with.
class PosixNameGuard {
  public:
    explicit PosixNameGuard(const std::string& name);
    ~PosixNameGuard();
    PosixNameGuard(const PosixNameGuard&) = delete;
    PosixNameGuard& operator=(const PosixNameGuard&) = delete;

  private:
    int socket_ = -1;
    pid_t watcher_ = -1;
};

} // namespace zmp
