#pragma once

#include <map>
#include <string>

#include "usage/programusage.h"

namespace zmp {

// The word lists the shell completions of a program are filled with, all
// from its usage, for the @WORD@ places of the completion templates:
// @COMMANDS@, @OPTIONS@, @VALUE_OPTIONS@, @FOLDER_OPTIONS@ and
// @DEVICE_OPTIONS@ are words separated by spaces; @WORDS@ holds one line
// per list of fixed words: "NAME POSITION WORD...", NAME a command whose
// argument POSITION (from 1) takes the words, or an option (position 0).
class CompletionData {
  public:
    static std::map<std::string, std::string> parts(const ProgramUsage& usage);
};

} // namespace zmp
