#include "support/systemerror.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zmp::test {
namespace {

#ifdef _WIN32
SystemError windowsError(int number, DWORD code)
{
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string description = text ? text : "";
    LocalFree(text);
    // A sentence there; a reason beside a path here.
    while (!description.empty() && std::strchr(" .\r\n", description.back()))
        description.pop_back();
    return {number, description};
}
#endif

} // namespace

SystemError missingFileError()
{
#ifdef _WIN32
    return windowsError(ENOENT, ERROR_FILE_NOT_FOUND);
#else
    return {ENOENT, std::strerror(ENOENT)};
#endif
}

SystemError missingFolderError()
{
#ifdef _WIN32
    return windowsError(ENOENT, ERROR_PATH_NOT_FOUND);
#else
    return {ENOENT, std::strerror(ENOENT)};
#endif
}

SystemError pathThroughFileError()
{
#ifdef _WIN32
    return windowsError(ENOENT, ERROR_PATH_NOT_FOUND);
#else
    return {ENOTDIR, std::strerror(ENOTDIR)};
#endif
}

} // namespace zmp::test
