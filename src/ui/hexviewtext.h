#pragma once

#include <string>
#include <vector>

#include "model/memoryimage.h"

namespace zmp {

// The lines of the hex view: a column header, a rule, then one line of
// sixteen bytes for each row address up to the image's last address.
std::vector<std::string> hexViewLines(const MemoryImage& image);

} // namespace zmp
