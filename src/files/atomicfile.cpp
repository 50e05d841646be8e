#include "files/atomicfile.h"

#include <chrono>
#include <filesystem>
#include <system_error>

#include "files/filesystem.h"
#include "files/temporaryname.h"

namespace zmp {
namespace {

std::filesystem::path nativePath(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Of(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool fail(FileError* error, const FileError& reason)
{
    if (error) *error = reason;
    return false;
}

// A folder, a FIFO or a device is nothing a save may replace, and an
// existing file the user may not write stays as it is.
bool checkTarget(FileSystem& system, const std::string& target, bool& exists, FileError& reason)
{
    PathStatus status;
    if (!system.status(target, status, reason)) return false;
    exists = status.kind != PathKind::Missing;
    if (status.kind == PathKind::Folder) reason = FileError::fromErrno(EISDIR);
    if (status.kind == PathKind::Other) reason = FileError::notRegularFile();
    if (status.kind == PathKind::Folder || status.kind == PathKind::Other) return false;
    return !exists || system.mayWrite(target, reason);
}

// A save in progress renames its file within moments; one a minute old
// whose process is gone was left by a save that was killed.
bool leftOver(const std::filesystem::directory_entry& entry)
{
    constexpr std::chrono::seconds StaleAfter{60};
    std::error_code error;
    const auto written = entry.last_write_time(error);
    return !error && entry.is_regular_file(error) &&
           std::filesystem::file_time_type::clock::now() - written >= StaleAfter;
}

bool writeTemporary(TemporaryFile& file, std::string_view bytes, const std::string& target, FileError& reason)
{
    return file.write(bytes, reason) && file.sync(reason) && file.replace(target, reason);
}

} // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes, FileError* error)
{
    FileSystem& system = FileSystem::current();
    std::string target;
    FileError reason;
    bool exists = false;
    if (!system.writeTarget(path, target, reason)) return fail(error, reason);
    if (!checkTarget(system, target, exists, reason)) return fail(error, reason);
    removeStaleTemporaries(target);
    std::unique_ptr<TemporaryFile> file = system.createTemporary(target, reason);
    if (!file) return fail(error, reason);
    if (exists && !file->takeAttributesOf(target, reason)) {
        if (reason.number != EPERM) return fail(error, reason);
        // The file is someone else's, shared with the user: a replacement
        // would take it from its owner, so it is written where it stands.
        file.reset();
        return system.overwrite(target, bytes, reason) || fail(error, reason);
    }
    return writeTemporary(*file, bytes, target, reason) || fail(error, reason);
}

void removeStaleTemporaries(const std::string& target)
{
    FileSystem& system = FileSystem::current();
    const int self = system.processId();
    std::error_code failure;
    std::filesystem::directory_iterator it(nativePath(TemporaryName::folderOf(target)), failure);
    for (const std::filesystem::directory_iterator end; !failure && it != end; it.increment(failure)) {
        const std::string name = utf8Of(it->path().filename());
        const auto owner = TemporaryName::ownerOf(name);
        if (!owner || *owner == self || system.processAlive(*owner) || !leftOver(*it)) continue;
        system.remove(utf8Of(it->path()));
    }
}

} // namespace zmp
