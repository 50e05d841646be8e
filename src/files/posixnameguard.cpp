#include "files/posixnameguard.h"

#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace zmp {
namespace {

// The child of a process that may have threads: only calls that are safe
// after fork(). Ctrl+C reaches the whole process group; the watcher stays
// to clean up after its parent.
[[noreturn]] void watch(int socket, const char* name)
{
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
        ::sigaction(signal, &ignore, nullptr);
    char word = 0;
    ssize_t got = 0;
    do
        got = ::read(socket, &word, 1);
    while (got < 0 && errno == EINTR);
    if (got == 0) ::unlink(name);
    ::_exit(0);
}

} // namespace

// Without a watcher (no socket, no process to spare) the save goes on as
// it always did: the sweep of the next save removes what it may leave.
PosixNameGuard::PosixNameGuard(const std::string& name)
{
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return;
    const char* path = name.c_str();
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        watch(ends[1], path);
    }
    ::close(ends[1]);
    if (child < 0) {
        ::close(ends[0]);
        return;
    }
    socket_ = ends[0];
    watcher_ = child;
}

PosixNameGuard::~PosixNameGuard()
{
    if (watcher_ < 0) return;
    const char done = 1;
    ::send(socket_, &done, 1, MSG_NOSIGNAL);
    ::close(socket_);
    while (::waitpid(watcher_, nullptr, 0) < 0 && errno == EINTR) {
    }
}

} // namespace zmp
