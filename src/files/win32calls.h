#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "files/fileerror.h"

// What the Windows file system and its temporary files share.
namespace zmp::win32 {

std::wstring widened(const std::string& utf8);
// The last Windows error as the C library's error number and text, so that
// reasons read the same on every system.
FileError lastError();
bool fail(FileError& error);
bool writeAll(HANDLE file, std::string_view bytes, FileError& error);

}  // namespace zmp::win32
