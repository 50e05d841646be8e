#include "files/win32temporaryfile.h"

#include <atomic>

#include "files/temporaryname.h"
#include "files/win32calls.h"

namespace zmp {
namespace {

std::atomic<unsigned> counter{0};

bool exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Some file systems cannot replace in one step; moving over the target
// is the next best, and still never leaves a half-written target.
bool replaceOrMove(const std::wstring& temporary, const std::wstring& target)
{
    if (exists(target)) {
        if (ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                         nullptr))
            return true;
        if (GetLastError() == ERROR_ACCESS_DENIED) return false;
    }
    return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

} // namespace

std::unique_ptr<TemporaryFile> Win32TemporaryFile::create(const std::string& target, FileError& error)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring name =
            win32::widened(TemporaryName::beside(target, static_cast<int>(GetCurrentProcessId()), counter++));
        const HANDLE file =
            CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            return std::unique_ptr<TemporaryFile>(new Win32TemporaryFile(file, name));
        if (GetLastError() != ERROR_FILE_EXISTS) break;
    }
    win32::fail(error);
    return nullptr;
}

Win32TemporaryFile::~Win32TemporaryFile()
{
    close();
    if (!replaced_) DeleteFileW(name_.c_str());
}

void Win32TemporaryFile::close()
{
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
}

bool Win32TemporaryFile::write(std::string_view bytes, FileError& error)
{
    return win32::writeAll(file_, bytes, error);
}

// ReplaceFileW keeps the replaced file's attributes itself, but the move
// that stands in for it where it fails would not.
bool Win32TemporaryFile::takeAttributesOf(const std::string& target, FileError& error)
{
    constexpr DWORD Kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                           FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const DWORD attributes = GetFileAttributesW(win32::widened(target).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return win32::fail(error);
    FILE_BASIC_INFO info{};
    info.FileAttributes = (attributes & Kept) != 0 ? attributes & Kept : FILE_ATTRIBUTE_NORMAL;
    return SetFileInformationByHandle(file_, FileBasicInfo, &info, sizeof info) || win32::fail(error);
}

bool Win32TemporaryFile::sync(FileError& error)
{
    return FlushFileBuffers(file_) || win32::fail(error);
}

bool Win32TemporaryFile::replace(const std::string& target, FileError& error)
{
    close();
    if (!replaceOrMove(name_, win32::widened(target))) return win32::fail(error);
    replaced_ = true;
    return true;
}

} // namespace zmp
