// zmp-cli check, export and import on real files.
#include <gtest/gtest.h>

#include "clitestsupport.h"

namespace zmp {
namespace {

using test::CliResult;
using test::readBytes;
using test::writeBytes;

class CliExchangeTest : public ::testing::Test, public test::CliFixtureBase {
  protected:
    // a.dat: a new configuration whose User MMSI is the given one.
    void newWithUserMmsi(const std::string& mmsi)
    {
        ASSERT_EQ(run({"new", path("a.dat")}).status, 0);
        std::string text = readBytes(file("a.dat"));
        const auto at = text.find("User MMSI=");
        ASSERT_NE(at, std::string::npos);
        text.replace(at, text.find("\r\n", at) - at, "User MMSI=#" + mmsi);
        writeBytes(file("a.dat"), text);
    }
};

TEST_F(CliExchangeTest, checkPrintsOneWarningALineAndFailsWhenAny)
{
    // The destination switches DSC on for groups that are not usable.
    const std::string destinationWarnings = "Group2: DSC is on but the group is not usable\n"
                                            "EXP CH Group: DSC is on but the group is not usable\n";
    newWithUserMmsi("3669876540");
    const CliResult sound = run({"check", path("a.dat")});
    EXPECT_EQ(sound.out, destinationWarnings);
    EXPECT_EQ(sound.status, 1);
    newWithUserMmsi("0123456780");
    const CliResult doubtful = run({"check", path("a.dat")});
    EXPECT_EQ(doubtful.status, 1);
    EXPECT_EQ(doubtful.out,
              "User MMSI 012345678: a ship station's MMSI begins with 2 to 7\n" + destinationWarnings);

    EXPECT_EQ(run({"check", path("missing.dat")}).status, 2);
    newWithUserMmsi("3669876540");
    std::string usable = readBytes(file("a.dat"));
    for (const char* key : {"Group2=0\r\nGroup3", "Exp CH=0"}) {
        const auto at = usable.find(key);
        ASSERT_NE(at, std::string::npos) << key;
        usable[usable.find('0', at)] = '1';
    }
    writeBytes(file("b.dat"), usable);
    const CliResult clean = run({"check", path("b.dat")});
    EXPECT_EQ(clean.out, "");
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(run({"check", path("a.csv")}).status, 2);
}

TEST_F(CliExchangeTest, everyTableExportsAndImportsBackToTheSameFile)
{
    newWithUserMmsi("3669876540");
    for (const char* table : {"usa", "intl", "can", "wx", "exp", "memory-id", "group-id"}) {
        const CliResult out = run({"export", path("a.dat"), table, path("t.csv")});
        ASSERT_EQ(out.status, 0) << table << out.err;
        const CliResult in = run({"import", path("a.dat"), table, path("t.csv"), path("b.dat")});
        ASSERT_EQ(in.status, 0) << table << in.err;
        EXPECT_TRUE(readBytes(file("b.dat")) == readBytes(file("a.dat"))) << table;
    }
}

TEST_F(CliExchangeTest, importWithProblemsNamesThemAndWritesNothing)
{
    newWithUserMmsi("3669876540");
    writeBytes(file("d.csv"), "No.,STATION NAME,MMSI\r\n1,A_B,12345\r\n");
    const CliResult result = run({"import", path("a.dat"), "memory-id", path("d.csv"), path("b.dat")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "zmp-cli: " + path("d.csv") +
                              ": line 2, column STATION NAME: the character '_' is not allowed in a name\n"
                              "zmp-cli: " +
                              path("d.csv") + ": line 2, column MMSI: an MMSI has 9 digits\n");
    EXPECT_FALSE(std::filesystem::exists(file("b.dat")));
    writeBytes(file("d.csv"), "No.,STATION NAME,MMSI\r\n1,PILOT,211234560\r\n");
    ASSERT_EQ(run({"import", path("a.dat"), "memory-id", path("d.csv"), path("b.dat")}).status, 0);
    EXPECT_NE(readBytes(file("b.dat")).find("211234560"), std::string::npos);
    const CliResult unknown = run({"export", path("a.dat"), "marina", path("t.csv")});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err,
              "zmp-cli: unknown table: marina (usa, intl, can, wx, exp, memory-id or group-id)\n");
    EXPECT_EQ(run({"import", path("a.dat"), "usa", path("none.csv"), path("b.dat")}).status, 1);
}

// A cell's control bytes reach the terminal only as \xHH, whatever the fault.
TEST_F(CliExchangeTest, problemsShowControlCharactersEscaped)
{
    newWithUserMmsi("3669876540");
    using namespace std::string_literals;
    for (const std::string& cell : {"A\x1B[2JB"s, "A\0B"s, "\"A\nB\""s}) {
        writeBytes(file("d.csv"), "No.,STATION NAME,MMSI\r\n1," + cell + ",211234560\r\n");
        const CliResult result = run({"import", path("a.dat"), "memory-id", path("d.csv"), path("b.dat")});
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.err.find("\\x"), std::string::npos) << result.err;
        for (const char c : result.err)
            EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\n') << result.err;
    }
}

} // namespace
} // namespace zmp
