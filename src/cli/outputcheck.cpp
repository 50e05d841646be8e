#include "cli/outputcheck.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace zmp {

namespace {

namespace fs = std::filesystem;

std::string systemReason(int number)
{
    return std::strerror(number != 0 ? number : EIO);
}

// Opening for appending writes nothing and leaves the times alone.
std::string existingFileProblem(const fs::path& path)
{
    std::error_code error;
    if (fs::is_directory(path, error)) return systemReason(EISDIR);
    errno = 0;
    std::FILE* file = std::fopen(path.string().c_str(), "ab");
    if (!file) return systemReason(errno);
    std::fclose(file);
    return {};
}

std::string folderProblem(const fs::path& folder, const fs::path& name)
{
    const fs::path probe = folder / ("." + name.string() + ".zmp-check");
    errno = 0;
    std::FILE* file = std::fopen(probe.string().c_str(), "wbx");
    if (!file) return systemReason(errno);
    std::fclose(file);
    std::error_code ignored;
    fs::remove(probe, ignored);
    return {};
}

} // namespace

std::string OutputCheck::problem(const std::string& path)
{
    const fs::path target(path);
    std::error_code error;
    if (fs::exists(target, error)) {
        const std::string reason = existingFileProblem(target);
        if (!reason.empty()) return reason;
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    return folderProblem(folder, target.filename());
}

} // namespace zmp
