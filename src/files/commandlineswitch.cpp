#include "files/commandlineswitch.h"

#include <algorithm>
#include <cctype>

#include "files/textvalue.h"

namespace zmp {

void CommandLineSwitch::apply(const std::string& commandLine, ProcessFlags& flags)
{
    std::string text = TextValue::trimmed(commandLine);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    flags.DebugMode = text == "/D" || text == "/DE" || text == "/ED";
    flags.SlowLink = text == "/E" || text == "/DE" || text == "/ED";
}

} // namespace zmp
