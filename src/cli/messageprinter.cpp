#include "cli/messageprinter.h"

#include <sstream>
#include <string>

namespace zmp {

void MessagePrinter::print(std::ostream& err, const Message& message)
{
    std::istringstream lines(message.text);
    for (std::string line; std::getline(lines, line);)
        err << "zmp-cli: " << line << '\n';
    if (!message.text.empty() && !message.detail.empty()) err << "zmp-cli: " << message.detail << '\n';
}

} // namespace zmp
