#pragma once

#include <string>

namespace zmp::test {

// A failure of a file call as the file layer passes it on: the C library's
// error number and the system's own text (the C library's on POSIX, the
// Windows text of the error the same failure gives there).
struct SystemError {
    int number;
    std::string text;

    std::string logText() const { return std::to_string(number) + text; }
};

// A file asked for that is not there.
SystemError missingFileError();
// A file asked for in a folder that is not there.
SystemError missingFolderError();
// A path that goes on below a regular file as if it were a folder.
SystemError pathThroughFileError();

} // namespace zmp::test
