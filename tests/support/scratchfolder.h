#pragma once

#include <filesystem>
#include <string>

namespace zmp::test {

// A fresh, empty folder of the given name under the test executable's
// scratch folder (ZMP_TEST_SCRATCH, set by the build for every test).
std::filesystem::path scratchFolder(const std::string& name);

// The same, named after the running GoogleTest case.
std::filesystem::path scratchFolder();

} // namespace zmp::test
