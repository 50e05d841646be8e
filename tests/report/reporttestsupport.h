#pragma once

#include "model/memoryimage.h"
#include "model/records.h"

#include <string>
#include <vector>

namespace zmp::test {

// Records whose plan tables index the plan row by row, as the table
// builder leaves them, with nothing enabled.
Records planRecords();

// Pad of the report: the text, then spaces up to the width, cut when longer.
std::string pad(const std::string& text, std::size_t width);

std::vector<std::string> splitLines(const std::string& text);

// The lines of the section that starts with the heading, without the empty
// line that separates it from the next section; empty when it is missing.
std::vector<std::string> sectionLines(const std::string& report, const std::string& heading);

} // namespace zmp::test
