#include "files/filereading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace zmp {
namespace {

// A folder opens for reading on some systems; only regular files count.
bool isRegular(int fd, FileError& error)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error = FileError::fromErrno(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        error = FileError::fromErrno(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
        return false;
    }
    return true;
}

bool pump(int fd, std::size_t chunkSize, const std::function<bool(std::string_view)>& consume, FileError& error)
{
    std::vector<char> buffer(chunkSize);
    for (;;) {
        const ssize_t count = ::read(fd, buffer.data(), buffer.size());
        if (count < 0) {
            if (errno == EINTR) continue;
            error = FileError::fromErrno(errno);
            return false;
        }
        if (count == 0 || !consume(std::string_view(buffer.data(), static_cast<std::size_t>(count)))) return true;
    }
}

}  // namespace

bool readFileChunks(const std::string& path, std::size_t chunkSize,
                    const std::function<bool(std::string_view)>& consume, FileError& error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = FileError::fromErrno(errno);
        return false;
    }
    const bool ok = isRegular(fd, error) && pump(fd, chunkSize, consume, error);
    ::close(fd);
    return ok;
}

long long regularFileSize(const std::string& path, FileError& error)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        error = FileError::fromErrno(errno);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        error = FileError::fromErrno(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
        return -1;
    }
    return static_cast<long long>(info.st_size);
}

}  // namespace zmp
