#include "clitestsupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/cli.h"

namespace zmp::test {

namespace {

std::filesystem::path freshFolder()
{
    const char* scratch = std::getenv("ZMP_TEST_SCRATCH");
    const std::filesystem::path base =
        scratch ? scratch : std::filesystem::temp_directory_path() / "zmp-cli-tests";
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    auto folder = base / (std::string(info->test_suite_name()) + "." + info->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace

CliFixtureBase::CliFixtureBase() : dir(freshFolder()), programDir(dir / "program")
{
    std::filesystem::create_directories(programDir);
    const std::filesystem::path installed = std::getenv("ZMP_PROGRAM_DIR");
    for (const char* name : {"global.ini", "USA_1130.ini", "INTL_1130.ini", "CAN_1130.ini", "USA-M_1130.ini",
                             "INTL-M_1130.ini", "CAN-M_1130.ini"})
        std::filesystem::copy_file(installed / name, programDir / name);
    environment.defaultProgramDir = programDir.string();
}

CliResult CliFixtureBase::run(const std::vector<std::string>& args, const std::string& input)
{
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in(input);
    CliResult result;
    result.status = Cli::run(args, out, err, in, environment);
    result.out = out.str();
    result.err = err.str();
    return result;
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace zmp::test
