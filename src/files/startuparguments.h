#pragma once

#include <string>
#include <vector>

namespace zmp {

// The editor's command line: the optional switch, and a configuration file
// to open once the window is up (how a file manager hands over a double-
// clicked .dat file). A last argument that is not a switch names the file;
// the arguments before it form the switch's command line.
struct StartupArguments {
    std::string switchLine;
    std::string filePath;

    static StartupArguments parse(const std::vector<std::string>& arguments);
};

} // namespace zmp
