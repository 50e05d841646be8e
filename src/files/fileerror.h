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

    static FileError fromErrno(int number) { return {number, std::strerror(number)}; }
};

}  // namespace zmp
