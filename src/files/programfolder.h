#pragma once

#include <filesystem>

namespace zmp {

// The program folder (global.ini, destination files, help, err.log) of a
// program whose executable sits in executableDir: beside the executable in
// the build folder and in a single-folder installation, or share/zmp of an
// installation into a prefix (bin/ and share/ side by side). Found from the
// executable's own location, so that a copy works wherever it is installed.
class ProgramFolder {
  public:
    static std::filesystem::path locate(const std::filesystem::path& executableDir);
};

} // namespace zmp
