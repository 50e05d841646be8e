#pragma once

#include <string>

namespace zmp {

// The program's version, from the project's version in the build.
inline constexpr int ZmpVersionMajor = ZMP_VERSION_MAJOR;
inline constexpr int ZmpVersionMinor = ZMP_VERSION_MINOR;
inline constexpr int ZmpVersionPatch = ZMP_VERSION_PATCH;

// "major.minor.patch", as `zmp --version` and the about box show it.
inline std::string zmpVersionText()
{
    return std::to_string(ZmpVersionMajor) + "." + std::to_string(ZmpVersionMinor) + "." +
           std::to_string(ZmpVersionPatch);
}

} // namespace zmp
