#pragma once

#include <ostream>
#include <string>

namespace zmp {

// "-" as a file argument: standard output for what a command writes,
// standard input for what it reads. /dev/stdout and /dev/stdin name the
// same streams, which are no regular files to replace atomically.
class StreamPath {
  public:
    static bool isStandardOutput(const std::string& path);
    static bool isStandardInput(const std::string& path);

    // Flushes out; on a write error, now or before, prints why and
    // returns false.
    static bool flush(std::ostream& out, std::ostream& err);
};

} // namespace zmp
