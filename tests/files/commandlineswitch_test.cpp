#include "files/commandlineswitch.h"

#include <gtest/gtest.h>

namespace zmp {
namespace {

struct SwitchCase {
    const char* line;
    bool debug;
    bool slow;
};

class CommandLineSwitchTest : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(CommandLineSwitchTest, setsBothModesFromTheWholeLine)
{
    ProcessFlags flags;
    flags.DebugMode = !GetParam().debug;
    flags.SlowLink = !GetParam().slow;
    CommandLineSwitch::apply(GetParam().line, flags);
    EXPECT_EQ(flags.DebugMode, GetParam().debug) << GetParam().line;
    EXPECT_EQ(flags.SlowLink, GetParam().slow) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Switches, CommandLineSwitchTest,
                         ::testing::Values(SwitchCase{"/D", true, false}, SwitchCase{"/E", false, true},
                                           SwitchCase{"/DE", true, true}, SwitchCase{"/ED", true, true},
                                           SwitchCase{"  /d  ", true, false}, SwitchCase{"/e", false, true},
                                           SwitchCase{"/dE", true, true}, SwitchCase{"", false, false},
                                           SwitchCase{"/D /E", false, false}, SwitchCase{"/DD", false, false},
                                           SwitchCase{"D", false, false}, SwitchCase{"-D", false, false}));

} // namespace
} // namespace zmp
