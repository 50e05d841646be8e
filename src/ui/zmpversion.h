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

// What `zmp --help` prints.
inline std::string zmpHelpText()
{
    return "Usage: zmp [/D|/E|/DE|/ED] [FILE.dat]\n"
           "       zmp --help | --version\n"
           "\n"
           "Reads, edits, saves, prints and programs the configuration of an MR4400 series\n"
           "marine VHF radio. Given FILE.dat, opens that configuration after start-up.\n"
           "\n"
           "  /D                service mode: the error log, the hex view and raw image files\n"
           "  /E                keep the transfer at 19200 baud\n"
           "  /DE, /ED          both\n"
           "  -h, --help        this text\n"
           "  --version         the version\n"
           "\n"
           "The editor needs a display; zmp-cli does the same work from the command line.\n";
}

} // namespace zmp
