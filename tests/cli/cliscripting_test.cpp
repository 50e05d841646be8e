// What a script relies on: exit statuses by failure class, "-" for the
// standard streams, and --json read by a JSON parser.
#include <gtest/gtest.h>

#include "clitestsupport.h"

namespace zmp {
namespace {

using test::CliResult;
using test::readBytes;
using test::writeBytes;

class CliScriptingTest : public ::testing::Test, public test::CliFixtureBase {
  protected:
    // a.dat new, b.dat the same with Weater 0 and the first status name empty.
    void SetUp() override
    {
        ASSERT_EQ(run({"new", path("a.dat")}).status, 0);
        std::string text = readBytes(file("a.dat"));
        for (const auto& [key, by] : {std::pair<std::string, std::string>{"Weater=3\r\n", "Weater=0\r\n"},
                                      {"Status name 0=USA", "Status name 0="}}) {
            const auto at = text.find(key);
            ASSERT_NE(at, std::string::npos) << key;
            text.replace(at, key.size(), by);
        }
        writeBytes(file("b.dat"), text);
    }
};

TEST_F(CliScriptingTest, everyFailureClassHasItsExitStatus)
{
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[]{
        {{"diff", "a.dat", "a.dat"}, 0},
        {{"diff", "a.dat", "b.dat"}, 1},
        {{"diff", "a.dat", "none.dat"}, 2},
        {{"diff", "--json", "none.dat", "a.dat"}, 2},
        {{"check", "a.dat"}, 1}, // the destination's DSC on unusable groups
        {{"check", "none.dat"}, 2},
        {{"convert", "none.dat", "c.dat"}, 1},
        {{"report", "none.dat", "-"}, 1},
        {{"--destination", "XYZ", "new", "c.dat"}, 2},
        {{"--destination", "XYZ", "diff", "a.dat", "a.dat"}, 2},
        {{"export", "a.dat", "uk", "-"}, 2},
        {{"--model", "7", "new", "c.dat"}, 2},
    };
    for (const auto& [args, status] : cases) {
        std::vector<std::string> inFolder;
        for (const std::string& arg : args)
            inFolder.push_back(arg.find(".dat") != std::string::npos ? path(arg) : arg);
        const CliResult result = run(inFolder);
        EXPECT_EQ(result.status, status) << args[0] << ' ' << args[1] << '\n' << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(file("c.dat")));
}

TEST_F(CliScriptingTest, dashIsTheStandardStream)
{
    const std::string report = run({"report", path("a.dat")}).out;
    EXPECT_EQ(run({"report", path("a.dat"), "-"}).out, report);
    EXPECT_EQ(run({"report", path("a.dat"), "/dev/stdout"}).out, report);
    EXPECT_FALSE(std::filesystem::exists("-"));

    ASSERT_EQ(run({"export", path("a.dat"), "usa", path("a.csv")}).status, 0);
    EXPECT_EQ(run({"export", path("a.dat"), "usa", "-"}).out, readBytes(file("a.csv")));

    const std::string csv = "No.,STATION NAME,MMSI\r\n1,HARBOUR,366123456\r\n";
    writeBytes(file("m.csv"), csv);
    ASSERT_EQ(run({"import", path("a.dat"), "memory-id", path("m.csv"), path("c.dat")}).status, 0);
    const CliResult imported = run({"import", path("a.dat"), "memory-id", "-", path("d.dat")}, csv);
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(readBytes(file("d.dat")), readBytes(file("c.dat")));
    EXPECT_NE(readBytes(file("d.dat")), readBytes(file("a.dat")));
}

TEST_F(CliScriptingTest, jsonIsOneDocumentWithNullsForWhatIsNotThere)
{
    EXPECT_EQ(
        parsedJson(run({"diff", "--json", path("a.dat"), path("b.dat")}).out),
        "[{\"a\": \"USA\", \"b\": null, \"key\": \"Status name 0\", \"section\": \"Usable CH Group Setup\"}, "
        "{\"a\": \"3\", \"b\": \"0\", \"key\": \"Weater\", \"section\": \"Common Setup\"}]\n");
    EXPECT_EQ(parsedJson(run({"diff", "--json", path("a.dat"), path("a.dat")}).out), "[]\n");
    EXPECT_EQ(parsedJson(run({"check", path("a.dat"), "--json"}).out),
              "[{\"warning\": \"Group2: DSC is on but the group is not usable\"}, "
              "{\"warning\": \"EXP CH Group: DSC is on but the group is not usable\"}, "
              "{\"warning\": \"User MMSI: empty while DSC is on for Group1\"}]\n");
    EXPECT_EQ(parsedJson(run({"destinations", "--json"}).out),
              "[{\"name\": \"CAN\", \"remembered\": true}, {\"name\": \"INTL\", \"remembered\": false}, "
              "{\"name\": \"USA\", \"remembered\": false}]\n");
    environment.backupDir = path("backups");
    EXPECT_EQ(parsedJson(run({"backups", "--json"}).out), "[]\n");
}

} // namespace
} // namespace zmp
