#pragma once

#include <string>

#include "model/processflags.h"

namespace zmp {

// The program's one optional start-up switch. The whole command line,
// trimmed and upper-cased, must be "/D", "/E", "/DE" or "/ED"; anything
// else turns both modes off.
class CommandLineSwitch {
  public:
    static void apply(const std::string& commandLine, ProcessFlags& flags);
    // True when the text, trimmed and upper-cased, is one of the switches.
    static bool isSwitch(const std::string& text);

  private:
    static std::string normalized(const std::string& text);
};

} // namespace zmp
