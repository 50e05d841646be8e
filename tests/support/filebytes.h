#pragma once

#include <filesystem>
#include <string>

namespace zmp::test {

// The whole file as it is on disk; empty when it cannot be read.
std::string readBytes(const std::filesystem::path& path);

// Replaces the file with exactly these bytes (no line-end translation).
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

} // namespace zmp::test
