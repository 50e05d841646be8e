#pragma once

#include <cerrno>
#include <cstring>
#include <string>

namespace zmp {

// A system error of a file operation, as the error log wants it:
// the error number followed directly by its description.
struct FileError {
    int number = 0;
    std::string description;

    std::string logText() const { return std::to_string(number) + description; }
    // What the user reads beside the message: the path and the reason.
    std::string reasonFor(const std::string& path) const { return path + ": " + description; }

    static FileError fromErrno(int number) { return {number, std::strerror(number)}; }
    // A FIFO, a device or a socket where a file was expected.
    static FileError notRegularFile() { return {EINVAL, "Not a regular file"}; }
    // A symbolic link whose file does not exist: a save neither replaces
    // the link nor creates the file it names.
    static FileError danglingLink() { return {ENOENT, "not writing through dangling symlink"}; }
};

} // namespace zmp
