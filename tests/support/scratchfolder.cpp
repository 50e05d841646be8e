#include "support/scratchfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace zmp::test {

namespace fs = std::filesystem;

namespace {

fs::path scratchBase()
{
    const char* scratch = std::getenv("ZMP_TEST_SCRATCH");
    return scratch ? fs::path(scratch) : fs::temp_directory_path() / "zmp-tests";
}

// Parameterised cases carry a '/' in their names; the folder must stay one level.
std::string runningTestName()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "outside-a-test";
    for (char& c : name)
        if (c == '/') c = '_';
    return name;
}

} // namespace

fs::path scratchFolder(const std::string& name)
{
    const fs::path folder = scratchBase() / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

fs::path scratchFolder()
{
    return scratchFolder(runningTestName());
}

} // namespace zmp::test
