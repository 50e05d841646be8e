#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "link/operationtype.h"

namespace zmp {

// The question zmp-cli asks before a clear erases anything: on a terminal
// the user answers "Erase the individual directory in the radio on
// /dev/ttyUSB0? [y/N]"; without one only --yes answers it.
class ClearQuestion {
  public:
    enum class Answer { Erase, Declined, NobodyToAsk };

    // The question itself, worded after the clear's caption.
    static std::string text(OperationType type, const std::string& device);
    // yes: --yes was given; terminal: stdin is a terminal.
    static Answer ask(OperationType type, const std::string& device, bool yes, bool terminal,
                      std::istream& in, std::ostream& err);
};

} // namespace zmp
