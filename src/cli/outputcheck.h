#pragma once

#include <string>

namespace zmp {

// Whether a file could be saved at path now, found out without changing
// anything: an existing target must be a file we may write, and its folder
// must take new files, since a save writes a temporary file beside it.
class OutputCheck {
  public:
    // Empty when the path can be written; otherwise the reason
    // ("No such file or directory", "Permission denied", ...).
    static std::string problem(const std::string& path);
};

} // namespace zmp
