#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "files/fileerror.h"

// What the Windows file system and its temporary files share.
namespace zmp::win32 {

std::wstring widened(const std::string& utf8);
// The last Windows error: the C library's error number, which the file layer
// decides by, and the system's own text, which the user reads as the reason.
FileError lastError();
bool fail(FileError& error);
bool writeAll(HANDLE file, std::string_view bytes, FileError& error);

} // namespace zmp::win32
