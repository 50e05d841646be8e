#include "files/startuparguments.h"

#include "files/commandlineswitch.h"

namespace zmp {

namespace {

std::string joined(std::vector<std::string>::const_iterator begin,
                   std::vector<std::string>::const_iterator end)
{
    std::string line;
    for (auto it = begin; it != end; ++it) {
        if (it != begin) line += ' ';
        line += *it;
    }
    return line;
}

} // namespace

StartupArguments StartupArguments::parse(const std::vector<std::string>& arguments)
{
    StartupArguments result;
    if (arguments.empty() || CommandLineSwitch::isSwitch(arguments.back()) || arguments.back().empty()) {
        result.switchLine = joined(arguments.begin(), arguments.end());
        return result;
    }
    result.filePath = arguments.back();
    result.switchLine = joined(arguments.begin(), arguments.end() - 1);
    return result;
}

} // namespace zmp
