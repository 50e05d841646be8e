#include "files/startuparguments.h"

#include <gtest/gtest.h>

namespace zmp {
namespace {

struct ArgumentsCase {
    std::vector<std::string> arguments;
    const char* switchLine;
    const char* filePath;
};

class StartupArgumentsTest : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(StartupArgumentsTest, takesALastNonSwitchArgumentAsTheFileToOpen)
{
    const StartupArguments parsed = StartupArguments::parse(GetParam().arguments);
    EXPECT_EQ(parsed.switchLine, GetParam().switchLine);
    EXPECT_EQ(parsed.filePath, GetParam().filePath);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, StartupArgumentsTest,
    ::testing::Values(ArgumentsCase{{}, "", ""}, ArgumentsCase{{"/D"}, "/D", ""},
                      ArgumentsCase{{"/de"}, "/de", ""}, ArgumentsCase{{"boat.dat"}, "", "boat.dat"},
                      ArgumentsCase{{"/D", "/home/me/my boat.dat"}, "/D", "/home/me/my boat.dat"},
                      ArgumentsCase{{"/D", "/E"}, "/D /E", ""}, ArgumentsCase{{"x", "y.dat"}, "x", "y.dat"},
                      ArgumentsCase{{"/D", ""}, "/D ", ""}));

} // namespace
} // namespace zmp
