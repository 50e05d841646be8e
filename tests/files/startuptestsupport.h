#pragma once

#include <filesystem>
#include <string>

namespace zmp::test {

// A fresh, empty folder under the test executable's scratch folder, named
// after the running test.
std::filesystem::path freshFolder();

void writeText(const std::filesystem::path& path, const std::string& text);

} // namespace zmp::test
