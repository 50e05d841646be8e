#include "cli/streampath.h"

#include <cerrno>
#include <cstring>

namespace zmp {

bool StreamPath::isStandardOutput(const std::string& path)
{
    return path == "-" || path == "/dev/stdout";
}

bool StreamPath::isStandardInput(const std::string& path)
{
    return path == "-" || path == "/dev/stdin";
}

bool StreamPath::flush(std::ostream& out, std::ostream& err)
{
    // A write that failed before left its reason in errno.
    if (out.good()) {
        errno = 0;
        if (out.flush()) return true;
    }
    const int number = errno;
    err << "zmp-cli: standard output: " << std::strerror(number != 0 ? number : EIO) << '\n';
    return false;
}

} // namespace zmp
