#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "radiosim/hostmessage.h"

namespace zmp::radiosim {

// Cuts the byte stream from the computer into messages. A single "P", "0"
// or CAN between lines is a message of its own; anything else starts a line
// that ends with LF (a CR before it is dropped). CAN also ends a half-received
// line, which is then discarded, because the computer has given up on it.
class MessageSplitter {
  public:
    // Longer lines cannot be valid frames; cutting them keeps memory bounded.
    static constexpr std::size_t MaxLine = 512;

    std::optional<HostMessage> take(std::uint8_t byte);

  private:
    std::optional<HostMessage> single(std::uint8_t byte);

    std::string line_;
};

} // namespace zmp::radiosim
