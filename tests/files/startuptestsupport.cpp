#include "startuptestsupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace zmp::test {

std::filesystem::path freshFolder()
{
    const char* scratch = std::getenv("ZMP_TEST_SCRATCH");
    const std::filesystem::path base =
        scratch ? scratch : std::filesystem::temp_directory_path() / "zmp-tests";
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const auto folder = base / (std::string(info->test_suite_name()) + "." + info->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

void writeText(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

} // namespace zmp::test
