#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>

#include "cli/radiocommands.h"
#include "clitestsupport.h"

namespace zmp {
namespace {

using test::CliResult;

class CliUsageTest : public ::testing::Test, public test::CliFixtureBase {};

TEST_F(CliUsageTest, helpAndVersion)
{
    const CliResult help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: zmp-cli [OPTIONS] COMMAND [ARGS]\n", 0), 0u);
    for (const char* word : {"new OUT",       "convert IN OUT", "report IN [OUT]",
                             "read OUT",      "program IN",     "clear WHAT [IN] [OUT]",
                             "destinations",  "diff A B",       "--program-dir",
                             "--model",       "--destination",  "--port",
                             "--slow",        "--debug",        "--yes",
                             "--raw",         "--version",      "fleet check|program BASE FLEET.csv",
                             "--log LOG.csv", "--again"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    EXPECT_EQ(run({"help"}).out, help.out);
    // Every command has its own usage, asked either way.
    for (const char* command :
         {"new", "report", "clear", "destinations", "export", "import", "fleet", "help"}) {
        const CliResult own = run({"help", command});
        EXPECT_EQ(own.status, 0);
        EXPECT_EQ(own.out.rfind(std::string("Usage: zmp-cli [OPTIONS] ") + command, 0), 0u) << own.out;
        EXPECT_EQ(run({command, "--help"}).out, own.out);
    }
    EXPECT_EQ(run({"help", "frobnicate"}).status, 2);
    EXPECT_EQ(run({"models"}).out, "1 MR4400\n11 MR4400M\n");
    EXPECT_EQ(run({"--version"}).out.rfind("zmp-cli ", 0), 0u);
}

TEST_F(CliUsageTest, usageErrorsExitTwo)
{
    const std::vector<std::vector<std::string>> cases{
        {},
        {"frobnicate"},
        {"--bogus", "destinations"},
        {"new"},
        {"new", "a.dat", "b.dat"},
        {"convert", "a.dat"},
        {"--model"},
        {"--model", "abc", "destinations"},
        {"--model", "1.5", "destinations"},
        {"new", "a.bin"},
        {"convert", "a.txt", "b.dat"},
        {"report", "a.txt"},
        {"clear", "everything"},
        {"diff", "a.dat", "b.png"},
        {"--model", "1", "--model=11", "destinations"},
        {"--log", "a.csv", "fleet", "check", "a.dat", "f.csv", "--log", "b.csv"},
    };
    for (const auto& args : cases) {
        const CliResult result = run(args);
        EXPECT_EQ(result.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(result.err.rfind("zmp-cli: ", 0), 0u) << result.err;
        EXPECT_EQ(result.out, "");
    }
    EXPECT_EQ(run({}).err, "zmp-cli: no command given\nTry 'zmp-cli --help'.\n");
    EXPECT_EQ(run({"--destination", "USA", "--destination", "CAN", "destinations"})
                  .err.rfind("zmp-cli: --destination given twice (USA, CAN); give it once\n", 0),
              0u);
}

TEST_F(CliUsageTest, optionsMayFollowTheCommandAndDashesEndThem)
{
    EXPECT_EQ(run({"destinations", "--model=11"}).out, "CAN-M *\nINTL-M\nUSA-M\n");
    EXPECT_EQ(run({"--program-dir", programDir.string(), "--", "new", path("-x.dat")}).status, 0);
    EXPECT_TRUE(std::filesystem::exists(file("-x.dat")));
}

TEST_F(CliUsageTest, clearWordsNameTheOperations)
{
    const std::vector<std::pair<const char*, int>> words{
        {"mmsi", 2},  {"atis", 10},    {"dsc-log", 3},    {"distress-log", 4}, {"individual", 5},
        {"group", 6}, {"waypoint", 7}, {"dsc-tx-log", 8}, {"all", 9}};
    for (const auto& [word, type] : words) {
        const auto operation = RadioCommands::clearOperation(word);
        ASSERT_TRUE(operation) << word;
        EXPECT_EQ(static_cast<int>(*operation), type) << word;
    }
    EXPECT_FALSE(RadioCommands::clearOperation("MMSI"));
}

// The real binary, run through the shell with this test's own settings folder.
class CliBinaryTest : public ::testing::Test, public test::CliFixtureBase {
  protected:
    int exitStatus(const std::string& arguments, const std::string& output = "")
    {
        const std::string binary =
            (std::filesystem::path(std::getenv("ZMP_PROGRAM_DIR")) / "zmp-cli").string();
        const std::string command = "XDG_CONFIG_HOME='" + (dir / "config").string() + "' '" + binary +
                                    "' --program-dir '" + programDir.string() + "' " + arguments +
                                    " </dev/null >'" + (output.empty() ? path("stdout") : output) + "' 2>'" +
                                    path("stderr") + "'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

TEST_F(CliBinaryTest, exitStatusesOfTheRealProgram)
{
    EXPECT_EQ(exitStatus("new '" + path("a.dat") + "'"), 0);
    EXPECT_EQ(exitStatus("destinations"), 0);
    EXPECT_EQ(test::readBytes(file("stdout")), "CAN *\nINTL\nUSA\n");
    EXPECT_EQ(exitStatus("convert '" + path("none.dat") + "' '" + path("b.dat") + "'"), 1);
    EXPECT_EQ(test::readBytes(file("stderr")),
              "zmp-cli: FileRead Error!!\nzmp-cli: " + path("none.dat") + ": No such file or directory\n");
    EXPECT_EQ(exitStatus("--model 7 destinations"), 2);
    EXPECT_EQ(exitStatus("diff '" + path("a.dat") + "' '" + path("a.dat") + "'"), 0);
    // A full disk behind standard output is a failure, and says so.
    EXPECT_EQ(exitStatus("report '" + path("a.dat") + "' -", "/dev/full"), 1);
    EXPECT_EQ(test::readBytes(file("stderr")), "zmp-cli: standard output: No space left on device\n");
    EXPECT_EQ(exitStatus("--json diff '" + path("a.dat") + "' '" + path("a.dat") + "'", "/dev/full"), 2);
    // The settings store of the real program is the per-user file.
    EXPECT_TRUE(std::filesystem::exists(dir / "config" / "ZMP" / "ZMP.conf"));
}

} // namespace
} // namespace zmp
