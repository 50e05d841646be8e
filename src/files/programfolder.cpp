#include "files/programfolder.h"

#include "files/modelscan.h"

namespace zmp {

namespace {

bool holdsInstallationData(const std::filesystem::path& folder)
{
    std::error_code error;
    return std::filesystem::is_regular_file(ModelScan::globalIniPath(folder.string()), error);
}

} // namespace

std::filesystem::path ProgramFolder::locate(const std::filesystem::path& executableDir)
{
    if (holdsInstallationData(executableDir)) return executableDir;
    const std::filesystem::path shared = (executableDir / ".." / "share" / "zmp").lexically_normal();
    if (holdsInstallationData(shared)) return shared;
    // Neither: the start-up reports the missing models against the executable's folder.
    return executableDir;
}

} // namespace zmp
