#include "cli/messageprinter.h"

#include <sstream>
#include <string>

#include "message/controltext.h"

namespace zmp {

void MessagePrinter::print(std::ostream& err, const Message& message)
{
    std::istringstream lines(message.text);
    for (std::string line; std::getline(lines, line);)
        err << "zmp-cli: " << escapeControls(line) << '\n';
    if (!message.text.empty() && !message.detail.empty())
        err << "zmp-cli: " << escapeControls(message.detail) << '\n';
}

} // namespace zmp
