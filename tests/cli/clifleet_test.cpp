// zmp-cli fleet check on real files.
#include <gtest/gtest.h>

#include "clitestsupport.h"

namespace zmp {
namespace {

using test::CliResult;
using test::writeBytes;

class CliFleetTest : public ::testing::Test, public test::CliFixtureBase {
  protected:
    void SetUp() override { ASSERT_EQ(run({"new", path("base.dat")}).status, 0); }

    // The warnings of the new configuration itself, told against the base.
    std::string baseWarnings() const
    {
        return path("base.dat") + ": warning: Group2: DSC is on but the group is not usable\n" +
               path("base.dat") + ": warning: EXP CH Group: DSC is on but the group is not usable\n";
    }
};

TEST_F(CliFleetTest, checkPrintsEveryProblemAndRefusesWarningsUnlessAccepted)
{
    writeBytes(file("fleet.csv"), "Label,User MMSI,ATIS Code\r\nSea Breeze,366123456,9366123456\r\n"
                                  "Tern,366123457,\r\n");
    const CliResult refused = run({"fleet", "check", path("base.dat"), path("fleet.csv")});
    EXPECT_EQ(refused.out,
              baseWarnings() + path("fleet.csv") + ": refused: 2 warnings; --accept-warnings accepts them\n");
    EXPECT_EQ(refused.status, 1);
    const CliResult accepted =
        run({"fleet", "check", path("base.dat"), path("fleet.csv"), "--accept-warnings"});
    EXPECT_EQ(accepted.out, baseWarnings() + path("fleet.csv") + ": 2 radios, 2 warnings accepted\n");
    EXPECT_EQ(accepted.status, 0);

    writeBytes(file("fleet.csv"), "Label,User MMSI,ATIS Code\r\nSea Breeze,366123456,9366123456\r\n"
                                  "Tern,366123456,93661234\r\n");
    const CliResult errors = run({"fleet", "check", path("base.dat"), path("fleet.csv"), "--accept-warnings",
                                  "--fill-directory", "--group-mmsi", "366999999"});
    EXPECT_EQ(errors.out, path("fleet.csv") + ": line 3, column User MMSI: 366123456 is also on line 2\n" +
                              path("fleet.csv") + ": line 3, column ATIS Code: 93661234 is not 10 digits\n" +
                              "--group-mmsi: 366999999 is not a group MMSI (0, the MID and 5 digits)\n" +
                              baseWarnings() + path("fleet.csv") + ": refused: 3 errors, 2 warnings\n");
    EXPECT_EQ(errors.status, 1);
}

TEST_F(CliFleetTest, usageErrorsAndUnreadableListsHaveTheirOwnStatus)
{
    writeBytes(file("fleet.csv"), "Label,User MMSI\r\nTern,366123457\r\n");
    EXPECT_EQ(run({"fleet", "send", path("base.dat"), path("fleet.csv")}).status, 2);
    // Nobody to ask for each radio, and --yes not given to wait for them.
    const CliResult unattended =
        run({"fleet", "program", path("base.dat"), path("fleet.csv"), "--accept-warnings"});
    EXPECT_EQ(unattended.status, 2);
    EXPECT_NE(
        unattended.err.find("zmp-cli: no terminal to ask for each radio on; --yes waits for each radio by "
                            "itself\n"),
        std::string::npos)
        << unattended.err;
    EXPECT_EQ(run({"fleet", "check", path("fleet.csv"), path("fleet.csv")}).status, 2);
    EXPECT_EQ(run({"fleet", "check", path("base.dat")}).status, 2);
    const CliResult missing = run({"fleet", "check", path("base.dat"), path("none.csv")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "zmp-cli: " + path("none.csv") + ": No such file or directory\n");
}

} // namespace
} // namespace zmp
