#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "files/fileerror.h"

namespace zmp {

// Feeds the content of a regular file to consume in buffered chunks of at
// most chunkSize bytes; consume returns false to stop early. Returns false
// with the system error when the file cannot be opened or read, or is not a
// regular file (a folder, a FIFO, a device).
bool readFileChunks(const std::string& path, std::size_t chunkSize,
                    const std::function<bool(std::string_view)>& consume, FileError& error);

// The size of a regular file, or -1 (with the system error) when the path
// is missing, unreadable or not a regular file.
long long regularFileSize(const std::string& path, FileError& error);

} // namespace zmp
