#include "files/filereading.h"

#include "files/filesystem.h"

namespace zmp {

bool readFileChunks(const std::string& path, std::size_t chunkSize,
                    const std::function<bool(std::string_view)>& consume, FileError& error)
{
    return FileSystem::current().readChunks(path, chunkSize, consume, error);
}

long long regularFileSize(const std::string& path, FileError& error)
{
    PathStatus status;
    if (!FileSystem::current().status(path, status, error)) return -1;
    switch (status.kind) {
    case PathKind::Regular:
        return status.size;
    case PathKind::Missing:
        error = FileError::fromErrno(ENOENT);
        return -1;
    case PathKind::Folder:
        error = FileError::fromErrno(EISDIR);
        return -1;
    case PathKind::Other:
        break;
    }
    error = FileError::notRegularFile();
    return -1;
}

} // namespace zmp
