#pragma once

#include <string>
#include <vector>

namespace zmp {

// Whether a command may write its output where it was told to, found out
// before anything is read or written and without changing anything.
class OutputCheck {
  public:
    // What the command writes; a regular file's extension must name it.
    enum class Writes { Configuration, Report, Csv };

    // Empty when the path can be written; otherwise the reason
    // ("No such file or directory", "Permission denied", ...). An existing
    // target must be a regular file we may write, and its folder must take new
    // files, since a save writes a temporary file beside it.
    static std::string problem(const std::string& path);
    // Empty when out may receive what the command writes: it is none of
    // the inputs (by identity, through symbolic links and any spelling of
    // the path) and, unless it is a device, its extension names that
    // format ("-", standard output, names none). Otherwise the reason, a
    // usage error.
    static std::string usageProblem(const std::string& out, const std::vector<std::string>& inputs,
                                    Writes writes);
};

} // namespace zmp
