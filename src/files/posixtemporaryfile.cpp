#include "files/posixtemporaryfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <memory>

#include "files/temporaryname.h"

namespace zmp {
namespace {

std::atomic<unsigned> counter{0};

bool fail(FileError& error)
{
    error = FileError::fromErrno(errno);
    return false;
}

// A file that nobody can see until it is linked in; not every file system
// has them, and linking one in goes through /proc.
int createUnnamed(const std::string& folder)
{
#ifdef O_TMPFILE
    if (::access("/proc/self/fd", X_OK) == 0)
        return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#endif
    (void)folder;
    errno = EOPNOTSUPP;
    return -1;
}

int createNamed(const std::string& target, std::string& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = TemporaryName::beside(target, static_cast<int>(::getpid()), counter++);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

} // namespace

std::unique_ptr<TemporaryFile> PosixTemporaryFile::create(const std::string& target, FileError& error)
{
    int fd = createUnnamed(TemporaryName::folderOf(target));
    std::string name;
    if (fd < 0) fd = createNamed(target, name);
    if (fd < 0) {
        fail(error);
        return nullptr;
    }
    return std::unique_ptr<TemporaryFile>(new PosixTemporaryFile(fd, name));
}

PosixTemporaryFile::PosixTemporaryFile(int fd, std::string name) : fd_(fd), name_(std::move(name))
{
    if (!name_.empty()) guard_ = std::make_unique<PosixNameGuard>(name_);
}

PosixTemporaryFile::~PosixTemporaryFile()
{
    ::close(fd_);
    if (!replaced_ && !name_.empty()) ::unlink(name_.c_str());
}

bool PosixTemporaryFile::write(std::string_view bytes, FileError& error)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return fail(error);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The owner goes first: changing it clears the set-id bits.
bool PosixTemporaryFile::takeAttributesOf(const std::string& target, FileError& error)
{
    struct stat wanted {};
    struct stat own {};
    if (::stat(target.c_str(), &wanted) != 0 || ::fstat(fd_, &own) != 0) return fail(error);
    if ((wanted.st_uid != own.st_uid || wanted.st_gid != own.st_gid) &&
        ::fchown(fd_, wanted.st_uid, wanted.st_gid) != 0)
        return fail(error);
    return ::fchmod(fd_, wanted.st_mode & 07777) == 0 || fail(error);
}

bool PosixTemporaryFile::sync(FileError& error)
{
    return ::fsync(fd_) == 0 || fail(error);
}

bool PosixTemporaryFile::replace(const std::string& target, FileError& error)
{
    if (name_.empty() && !giveName(target, error)) return false;
    if (::rename(name_.c_str(), target.c_str()) != 0) return fail(error);
    replaced_ = true;
    return true;
}

// rename() needs a name; the one given here lives only until the rename
// right after, and is guarded before it exists: a save killed in between
// leaves nothing behind.
bool PosixTemporaryFile::giveName(const std::string& target, FileError& error)
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = TemporaryName::beside(target, static_cast<int>(::getpid()), counter++);
        auto guard = std::make_unique<PosixNameGuard>(name);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            name_ = name;
            guard_ = std::move(guard);
            return true;
        }
        if (errno != EEXIST) return fail(error);
    }
    return fail(error);
}

} // namespace zmp
