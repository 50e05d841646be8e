#pragma once

#include <ostream>

#include "message/message.h"

namespace zmp {

// A message of the core as zmp-cli says it on stderr: each line of the text
// after "zmp-cli: ", then the detail on a line of its own. A message without
// text says nothing.
class MessagePrinter {
  public:
    static void print(std::ostream& err, const Message& message);
};

} // namespace zmp
