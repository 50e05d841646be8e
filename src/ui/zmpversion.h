#pragma once

namespace zmp {

// The program's version, from the project's version in the build.
inline constexpr int ZmpVersionMajor = ZMP_VERSION_MAJOR;
inline constexpr int ZmpVersionMinor = ZMP_VERSION_MINOR;
inline constexpr int ZmpVersionPatch = ZMP_VERSION_PATCH;

} // namespace zmp
