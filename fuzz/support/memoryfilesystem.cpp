#include "memoryfilesystem.h"

namespace zmp::fuzz {

const std::string* MemoryFileSystem::find(const std::string& path) const
{
    const auto slash = path.find_last_of('/');
    const auto found = files.find(slash == std::string::npos ? path : path.substr(slash + 1));
    return found == files.end() ? nullptr : &found->second;
}

bool MemoryFileSystem::status(const std::string& path, PathStatus& status, FileError&)
{
    const std::string* bytes = find(path);
    status = bytes ? PathStatus{PathKind::Regular, static_cast<long long>(bytes->size())} : PathStatus{};
    return true;
}

bool MemoryFileSystem::readChunks(const std::string& path, std::size_t chunkSize, const Consumer& consume,
                                  FileError& error)
{
    const std::string* bytes = find(path);
    if (!bytes) {
        error = FileError::fromErrno(ENOENT);
        return false;
    }
    const std::string_view all(*bytes);
    for (std::size_t at = 0; at < all.size(); at += chunkSize)
        if (!consume(all.substr(at, chunkSize))) break;
    return true;
}

bool MemoryFileSystem::mayWrite(const std::string&, FileError& error)
{
    error = FileError::fromErrno(EROFS);
    return false;
}

std::unique_ptr<TemporaryFile> MemoryFileSystem::createTemporary(const std::string&, FileError& error)
{
    error = FileError::fromErrno(EROFS);
    return nullptr;
}

bool MemoryFileSystem::overwrite(const std::string&, std::string_view, FileError& error)
{
    error = FileError::fromErrno(EROFS);
    return false;
}

} // namespace zmp::fuzz
