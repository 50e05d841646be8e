#include "files/atomicfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <climits>
#include <cstdlib>

namespace zmp {
namespace {

// Writes through a symbolic link rather than replacing the link itself.
std::string resolvedTarget(const std::string& path)
{
    char resolved[PATH_MAX];
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode) && ::realpath(path.c_str(), resolved))
        return resolved;
    return path;
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string fileNameOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Creates a fresh, exclusively owned temporary file beside the target.
int createTemporary(const std::string& target, std::string& temporaryPath)
{
    static std::atomic<unsigned> counter{0};
    const std::string stem = folderOf(target) + "/." + fileNameOf(target) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = stem + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The replacement keeps the permission bits of the file it replaces.
bool keepPermissions(int fd, const std::string& target)
{
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) return errno == ENOENT;
    if (S_ISDIR(info.st_mode)) {
        errno = EISDIR;
        return false;
    }
    return ::fchmod(fd, info.st_mode & 07777) == 0;
}

bool fail(FileError* error, int number)
{
    if (error) *error = FileError::fromErrno(number);
    return false;
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes, FileError* error)
{
    const std::string target = resolvedTarget(path);
    std::string temporaryPath;
    const int fd = createTemporary(target, temporaryPath);
    if (fd < 0) return fail(error, errno);
    const bool written = keepPermissions(fd, target) && writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporaryPath.c_str(), target.c_str()) != 0) {
        const int number = !written ? writeErrno : errno;
        ::unlink(temporaryPath.c_str());
        return fail(error, number);
    }
    return true;
}

}  // namespace zmp
