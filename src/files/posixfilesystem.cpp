#include "files/posixfilesystem.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <vector>

#include "files/posixtemporaryfile.h"

namespace zmp {
namespace {

bool fail(FileError& error)
{
    error = FileError::fromErrno(errno);
    return false;
}

// A folder opens for reading on some systems; only regular files count.
bool isRegular(int fd, FileError& error)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0) return fail(error);
    if (S_ISREG(info.st_mode)) return true;
    error = S_ISDIR(info.st_mode) ? FileError::fromErrno(EISDIR) : FileError::notRegularFile();
    return false;
}

bool pump(int fd, std::size_t chunkSize, const FileSystem::Consumer& consume, FileError& error)
{
    std::vector<char> buffer(chunkSize);
    for (;;) {
        const ssize_t count = ::read(fd, buffer.data(), buffer.size());
        if (count < 0) {
            if (errno == EINTR) continue;
            return fail(error);
        }
        if (count == 0 || !consume(std::string_view(buffer.data(), static_cast<std::size_t>(count))))
            return true;
    }
}

bool writeAll(int fd, std::string_view bytes, FileError& error)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return fail(error);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

FileSystem& FileSystem::native()
{
    static PosixFileSystem system;
    return system;
}

bool PosixFileSystem::status(const std::string& path, PathStatus& status, FileError& error)
{
    struct stat info {};
    status = PathStatus{};
    if (::stat(path.c_str(), &info) != 0) return errno == ENOENT || errno == ENOTDIR || fail(error);
    status.kind = S_ISREG(info.st_mode)   ? PathKind::Regular
                  : S_ISDIR(info.st_mode) ? PathKind::Folder
                                          : PathKind::Other;
    status.size = static_cast<long long>(info.st_size);
    return true;
}

// O_NONBLOCK keeps the open from waiting for a writer on a FIFO.
bool PosixFileSystem::readChunks(const std::string& path, std::size_t chunkSize, const Consumer& consume,
                                 FileError& error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return fail(error);
    const bool ok = isRegular(fd, error) && pump(fd, chunkSize, consume, error);
    ::close(fd);
    return ok;
}

bool PosixFileSystem::writeTarget(const std::string& path, std::string& target, FileError& error)
{
    char resolved[PATH_MAX];
    struct stat info {};
    target = path;
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
    if (::realpath(path.c_str(), resolved)) {
        target = resolved;
        return true;
    }
    if (errno == ENOENT)
        error = FileError::danglingLink();
    else
        fail(error);
    return false;
}

bool PosixFileSystem::mayWrite(const std::string& path, FileError& error)
{
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0 || fail(error);
}

std::unique_ptr<TemporaryFile> PosixFileSystem::createTemporary(const std::string& target, FileError& error)
{
    return PosixTemporaryFile::create(target, error);
}

bool PosixFileSystem::overwrite(const std::string& path, std::string_view bytes, FileError& error)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return fail(error);
    const bool ok = writeAll(fd, bytes, error) && (::fsync(fd) == 0 || fail(error));
    return (::close(fd) == 0 || fail(error)) && ok;
}

bool PosixFileSystem::remove(const std::string& path)
{
    return ::unlink(path.c_str()) == 0;
}

int PosixFileSystem::processId()
{
    return static_cast<int>(::getpid());
}

bool PosixFileSystem::processAlive(int processId)
{
    return ::kill(static_cast<pid_t>(processId), 0) == 0 || errno != ESRCH;
}

} // namespace zmp
