#pragma once

#include <istream>
#include <optional>
#include <string>

namespace zmp {

// Reads a CSV file for an import: the reason when it cannot be read or is
// larger than any table could be.
std::optional<std::string> readCsvFile(const std::string& path, std::string& text);
// The same for a CSV that comes on a stream (standard input).
std::optional<std::string> readCsvStream(std::istream& in, std::string& text);

} // namespace zmp
