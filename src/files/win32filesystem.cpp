#include "files/win32filesystem.h"

#include <vector>

#include "files/win32calls.h"
#include "files/win32temporaryfile.h"

namespace zmp {
namespace {

using win32::fail;
using win32::widened;

bool pump(HANDLE file, std::size_t chunkSize, const FileSystem::Consumer& consume, FileError& error)
{
    std::vector<char> buffer(chunkSize);
    for (;;) {
        DWORD count = 0;
        if (!ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &count, nullptr))
            return fail(error);
        if (count == 0 || !consume(std::string_view(buffer.data(), count))) return true;
    }
}

// Pipes, consoles and devices open like files; only files on a disk count.
bool isRegular(HANDLE file, FileError& error)
{
    if (GetFileType(file) == FILE_TYPE_DISK) return true;
    error = FileError::notRegularFile();
    return false;
}

} // namespace

FileSystem& FileSystem::native()
{
    static Win32FileSystem system;
    return system;
}

bool Win32FileSystem::status(const std::string& path, PathStatus& status, FileError& error)
{
    status = PathStatus{};
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(widened(path).c_str(), GetFileExInfoStandard, &data)) {
        const DWORD code = GetLastError();
        return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND || fail(error);
    }
    const bool folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    status.kind = folder ? PathKind::Folder : PathKind::Regular;
    status.size = static_cast<long long>((static_cast<unsigned long long>(data.nFileSizeHigh) << 32) |
                                         data.nFileSizeLow);
    return true;
}

bool Win32FileSystem::readChunks(const std::string& path, std::size_t chunkSize, const Consumer& consume,
                                 FileError& error)
{
    PathStatus kind;
    if (status(path, kind, error) && kind.kind == PathKind::Folder) {
        error = FileError::fromErrno(EISDIR);
        return false;
    }
    const HANDLE file = CreateFileW(widened(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return fail(error);
    const bool ok = isRegular(file, error) && pump(file, chunkSize, consume, error);
    CloseHandle(file);
    return ok;
}

bool Win32FileSystem::writeTarget(const std::string& path, std::string& target, FileError&)
{
    target = path;
    return true;
}

bool Win32FileSystem::mayWrite(const std::string& path, FileError& error)
{
    const DWORD attributes = GetFileAttributesW(widened(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return fail(error);
    if ((attributes & FILE_ATTRIBUTE_READONLY) == 0) return true;
    error = FileError::fromErrno(EACCES);
    return false;
}

std::unique_ptr<TemporaryFile> Win32FileSystem::createTemporary(const std::string& target, FileError& error)
{
    return Win32TemporaryFile::create(target, error);
}

bool Win32FileSystem::overwrite(const std::string& path, std::string_view bytes, FileError& error)
{
    const HANDLE file = CreateFileW(widened(path).c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return fail(error);
    const bool ok = win32::writeAll(file, bytes, error) && (FlushFileBuffers(file) || fail(error));
    CloseHandle(file);
    return ok;
}

bool Win32FileSystem::remove(const std::string& path)
{
    return DeleteFileW(widened(path).c_str()) != 0;
}

int Win32FileSystem::processId()
{
    return static_cast<int>(GetCurrentProcessId());
}

bool Win32FileSystem::processAlive(int processId)
{
    const HANDLE process =
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(processId));
    if (!process) return GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

} // namespace zmp
