#include "files/commandlineswitch.h"

#include <algorithm>
#include <cctype>

#include "files/textvalue.h"

namespace zmp {

std::string CommandLineSwitch::normalized(const std::string& text)
{
    std::string result = TextValue::trimmed(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

bool CommandLineSwitch::isSwitch(const std::string& text)
{
    const std::string value = normalized(text);
    return value == "/D" || value == "/E" || value == "/DE" || value == "/ED";
}

void CommandLineSwitch::apply(const std::string& commandLine, ProcessFlags& flags)
{
    const std::string text = normalized(commandLine);
    flags.DebugMode = text == "/D" || text == "/DE" || text == "/ED";
    flags.SlowLink = text == "/E" || text == "/DE" || text == "/ED";
}

} // namespace zmp
