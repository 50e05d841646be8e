#pragma once

#include <string>

namespace zmp {

// What the byte at an address of the image belongs to, in the words the
// editor uses: a channel of a table, a directory entry, a usable group or
// a named setting. Empty where the address holds nothing the editor shows.
std::string settingAt(int address);

} // namespace zmp
