#pragma once

#include <cstdint>
#include <string>

#include "link/linkcontext.h"

namespace zmp {

// Everything the computer writes to the radio; each write waits 10 ms first.
class LinkSender {
  public:
    explicit LinkSender(const LinkContext& context) : context_(context) {}

    void sendFrame(const std::string& word, const std::string& address, const std::string& length,
                   const std::string& data) const;
    void sendWord(const std::string& text) const; // text, CR LF
    void sendByte(std::uint8_t byte) const;       // input flushed first

    static constexpr int SendPauseMs = 10;

  private:
    void write(const std::string& bytes) const;

    const LinkContext& context_;
};

} // namespace zmp
