#include <gtest/gtest.h>

#include <sstream>
#include <utility>

#include "cli/cli.h"
#include "clitestsupport.h"

namespace zmp {
namespace {

using test::CliResult;
using test::readBytes;
using test::writeBytes;

class CliFileCommandsTest : public ::testing::Test, public test::CliFixtureBase {
  protected:
    std::string replaced(std::string text, const std::string& from, const std::string& to)
    {
        const auto at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos) text.replace(at, from.size(), to);
        return text;
    }
};

TEST_F(CliFileCommandsTest, newWritesTheRememberedDestinationAndRemembersIt)
{
    const CliResult result = run({"new", path("a.dat")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const std::string text = readBytes(file("a.dat"));
    EXPECT_EQ(text.rfind("[MAIN]\r\n", 0), 0u);
    EXPECT_NE(text.find("MODELTYPE=1\r\n"), std::string::npos);
    EXPECT_NE(text.find("Group3=1\r\n"), std::string::npos);
    EXPECT_EQ(store.value("IniFilePath", "IniFileName_1", ""), "CAN");
}

TEST_F(CliFileCommandsTest, newWithAChosenDestination)
{
    EXPECT_EQ(run({"--destination", "intl", "new", path("a.dat")}).status, 0);
    EXPECT_NE(readBytes(file("a.dat")).find("Weater=0\r\n"), std::string::npos);
    EXPECT_EQ(run({"new", path("b.dat"), "--destination=usa"}).status, 0);
    EXPECT_NE(readBytes(file("b.dat")).find("Weater=3\r\n"), std::string::npos);
    EXPECT_FALSE(store.contains("IniFilePath", "IniFileName_1"));

    const CliResult unknown = run({"--destination", "EU", "new", path("c.dat")});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err,
              "zmp-cli: Ini file read Error!!\nzmp-cli: " + (programDir / "EU_1130.ini").string() +
                  ": No such destination (CAN, INTL, USA)\n");
    EXPECT_FALSE(std::filesystem::exists(file("c.dat")));
}

TEST_F(CliFileCommandsTest, newForTheModelMUsesItsOwnDestinations)
{
    EXPECT_EQ(run({"--model", "11", "new", path("m.dat")}).status, 0);
    EXPECT_NE(readBytes(file("m.dat")).find("MODELTYPE=11\r\n"), std::string::npos);
    EXPECT_EQ(store.value("IniFilePath", "IniFileName_11", ""), "CAN-M");
    const CliResult other = run({"--model", "5", "new", path("x.dat")});
    EXPECT_EQ(other.status, 2);
    EXPECT_EQ(other.err.rfind("zmp-cli: unknown model number: 5", 0), 0u) << other.err;
}

TEST_F(CliFileCommandsTest, missingInstallationDataGivesTheSystemsMessages)
{
    for (const auto& entry : std::filesystem::directory_iterator(programDir))
        if (entry.path().extension() == ".ini" && entry.path().filename() != "global.ini")
            std::filesystem::remove(entry.path());
    const CliResult noDestination = run({"new", path("a.hex")});
    EXPECT_EQ(noDestination.status, 0);
    EXPECT_EQ(noDestination.err, "zmp-cli: Ini files are not found!!\nzmp-cli: " + programDir.string() +
                                     ": No destination files (*_1130.ini)\n");
    EXPECT_EQ(std::filesystem::file_size(file("a.hex")), 32768u);

    std::filesystem::remove(programDir / "global.ini");
    const CliResult noModel = run({"new", path("b.hex")});
    EXPECT_EQ(noModel.status, 1);
    EXPECT_EQ(noModel.err, "zmp-cli: Unknown model!!\nzmp-cli: " + (programDir / "global.ini").string() +
                               ": No such file or directory\n");
    EXPECT_FALSE(std::filesystem::exists(file("b.hex")));
}

TEST_F(CliFileCommandsTest, convertRoundTripsThroughAnImageFile)
{
    ASSERT_EQ(run({"new", path("a.dat")}).status, 0);
    const std::string edited = replaced(readBytes(file("a.dat")), "Status name 0=USA", "Status name 0=ABC");
    writeBytes(file("a.dat"), edited);
    ASSERT_EQ(run({"convert", path("a.dat"), path("a.hex")}).status, 0);
    const std::string image = readBytes(file("a.hex"));
    ASSERT_EQ(image.size(), 32768u);
    EXPECT_EQ(image.substr(307, 3), "ABC");
    unsigned sum = 0;
    for (int a = 0x42; a <= 0x5E; ++a)
        sum += static_cast<unsigned char>(image[static_cast<std::size_t>(a)]);
    EXPECT_EQ(static_cast<unsigned char>(image[0x5F]), sum % 256);
    ASSERT_EQ(run({"convert", path("a.hex"), path("b.dat")}).status, 0);
    EXPECT_EQ(run({"diff", path("a.dat"), path("b.dat")}).out, "");
}

TEST_F(CliFileCommandsTest, rawImageOutputKeepsTheImageAsItStands)
{
    ASSERT_EQ(run({"new", path("a.hex")}).status, 0);
    std::string image = readBytes(file("a.hex"));
    image[0x5F] = static_cast<char>(image[0x5F] ^ 0x55); // a checksum that preparing mends
    writeBytes(file("b.hex"), image);
    ASSERT_EQ(run({"--raw", "convert", path("b.hex"), path("raw.hex")}).status, 0);
    EXPECT_TRUE(readBytes(file("raw.hex")) == image);
    ASSERT_EQ(run({"convert", path("b.hex"), path("prepared.hex")}).status, 0);
    EXPECT_FALSE(readBytes(file("prepared.hex")) == image);
}

TEST_F(CliFileCommandsTest, refusedInputsChangeNoFile)
{
    writeBytes(file("out.dat"), "old");
    writeBytes(file("short.hex"), std::string(32767, '\xFF'));
    writeBytes(file("wrong.dat"), "[MAIN]\r\nMODELTYPE=abc\r\n");
    const std::vector<std::pair<std::string, std::string>> cases{
        {path("short.hex"),
         "zmp-cli: bad file!!\nzmp-cli: " + path("short.hex") + ": Not an image file of 32768 bytes\n"},
        {path("wrong.dat"), "zmp-cli: ModelType Error !!\nzmp-cli: " + path("wrong.dat") +
                                ": MODELTYPE=abc, MODELTYPE=1 expected\n"},
        {path("missing.dat"),
         "zmp-cli: FileRead Error!!\nzmp-cli: " + path("missing.dat") + ": No such file or directory\n"},
        {path("missing.hex"),
         "zmp-cli: FileRead Error!!\nzmp-cli: " + path("missing.hex") + ": No such file or directory\n"},
    };
    for (const auto& [input, message] : cases) {
        const CliResult result = run({"convert", input, path("out.dat")});
        EXPECT_EQ(result.status, 1) << input;
        EXPECT_EQ(result.err, message) << input;
        EXPECT_EQ(readBytes(file("out.dat")), "old") << input;
    }
    std::filesystem::create_directory(file("folder.dat"));
    const CliResult toFolder = run({"new", path("folder.dat")});
    EXPECT_EQ(toFolder.status, 1);
    EXPECT_EQ(toFolder.err,
              "zmp-cli: FileSave Error!!\nzmp-cli: " + path("folder.dat") + ": Is a directory\n");
}

TEST_F(CliFileCommandsTest, noCommandWritesOverItsOwnInput)
{
    ASSERT_EQ(run({"new", path("boat.dat")}).status, 0);
    const std::string original = readBytes(file("boat.dat"));
    std::filesystem::create_hard_link(file("boat.dat"), file("alias.dat"));
    std::filesystem::create_symlink(file("boat.dat"), file("link.dat"));
    ASSERT_EQ(run({"export", path("boat.dat"), "usa", path("usa.csv")}).status, 0);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"report", path("boat.dat"), path("boat.dat")},
          {"convert", path("boat.dat"), path("boat.dat")},
          {"convert", path("boat.dat"), path("alias.dat")},
          {"convert", path("boat.dat"), (dir / "." / "boat.dat").string()},
          {"clear", "waypoint", path("boat.dat"), path("alias.dat")},
          {"export", path("boat.dat"), "usa", path("boat.dat")},
          {"import", path("boat.dat"), "usa", path("usa.csv"), path("boat.dat")},
          {"import", path("boat.dat"), "usa", path("usa.csv"), path("link.dat")},
          {"import", path("alias.dat"), "usa", path("usa.csv"), path("usa.csv")}}) {
        const CliResult result = run(args);
        EXPECT_EQ(result.status, 2) << args[0] << ' ' << args.back();
        EXPECT_EQ(result.err, "zmp-cli: the output would overwrite the input: " + args.back() + "\n");
    }
    EXPECT_EQ(readBytes(file("boat.dat")), original);
}

// The extension names the one format an output is written in; --raw would
// write a configuration file's image without the file's content.
TEST_F(CliFileCommandsTest, anOutputIsWrittenOnlyInTheFormatItsExtensionNames)
{
    ASSERT_EQ(run({"new", path("boat.dat")}).status, 0);
    writeBytes(file("other.dat"), "keep");
    const std::string report = "zmp-cli: a report is written to a .txt file: ";
    const std::string table = "zmp-cli: a table is exported to a .csv file: ";
    const std::string raw = "zmp-cli: --raw writes an image as it stands, and the content of " +
                            path("boat.dat") + " is not in one until it is prepared: leave out --raw\n";
    const std::string toStdout = "zmp-cli: a configuration is not written to standard output: name a .dat, "
                                 ".hex, .ini or .txt file instead of -\n";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"report", path("boat.dat"), path("other.dat")}, report + path("other.dat") + "\n"},
        {{"report", path("boat.dat"), path("out.hex")}, report + path("out.hex") + "\n"},
        {{"report", path("boat.dat"), path("out")}, report + path("out") + "\n"},
        {{"export", path("boat.dat"), "usa", path("other.dat")}, table + path("other.dat") + "\n"},
        {{"export", path("boat.dat"), "usa", path("out.hex")}, table + path("out.hex") + "\n"},
        {{"--raw", "convert", path("boat.dat"), path("out.hex")}, raw},
        {{"new", "-"}, toStdout},
        {{"convert", path("boat.dat"), "-"}, toStdout},
        {{"import", path("boat.dat"), "usa", path("usa.csv"), "-"}, toStdout},
    };
    for (const auto& [args, message] : cases) {
        const CliResult result = run(args);
        EXPECT_EQ(result.status, 2) << args.back();
        EXPECT_EQ(result.err, message);
    }
    EXPECT_EQ(readBytes(file("other.dat")), "keep");
    EXPECT_FALSE(std::filesystem::exists(file("out.hex")));
    EXPECT_FALSE(std::filesystem::exists("-"));
}

// A failure is never told as success: each ends non-zero with a message.
TEST_F(CliFileCommandsTest, failuresAreNeverReportedAsSuccess)
{
    ASSERT_EQ(run({"new", path("boat.dat")}).status, 0);
    environment.backupDir = path("backups");
    std::filesystem::create_directories(file("backups") / "index.txt");
    const CliResult backups = run({"backups"});
    EXPECT_EQ(backups.status, 1);
    EXPECT_EQ(backups.err,
              "zmp-cli: the backups cannot be listed: " + path("backups/index.txt") + ": Is a directory\n");

    // An unknown destination is a usage error, told with the system's message.
    const CliResult destinations = run({"--destination", "EU", "destinations"});
    EXPECT_EQ(destinations.status, 2);
    EXPECT_EQ(destinations.err.rfind("zmp-cli: Ini file read Error!!\n", 0), 0u) << destinations.err;

    std::ostream full(nullptr);
    std::ostringstream err;
    std::istringstream in;
    EXPECT_EQ(Cli::run({"report", path("boat.dat")}, full, err, in, environment), 1);
    EXPECT_EQ(err.str(), "zmp-cli: standard output: Input/output error\n");
}

TEST_F(CliFileCommandsTest, modelMismatchIsRefused)
{
    ASSERT_EQ(run({"--model", "11", "new", path("m.dat")}).status, 0);
    const CliResult result = run({"--model", "1", "convert", path("m.dat"), path("o.hex")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "zmp-cli: ModelType Error !!\nzmp-cli: " + path("m.dat") +
                              ": MODELTYPE=11, MODELTYPE=1 expected\n");
    EXPECT_FALSE(std::filesystem::exists(file("o.hex")));
}

TEST_F(CliFileCommandsTest, reportGoesToStdoutWithoutAndToAFileWithTheFinalLineEnd)
{
    ASSERT_EQ(run({"new", path("a.hex")}).status, 0);
    const CliResult toStdout = run({"report", path("a.hex")});
    EXPECT_EQ(toStdout.status, 0);
    EXPECT_EQ(toStdout.out.rfind("##### Usable CH Group Setup #####\r\n", 0), 0u);
    ASSERT_GE(toStdout.out.size(), 2u);
    EXPECT_NE(toStdout.out.substr(toStdout.out.size() - 2), "\r\n");
    EXPECT_EQ(run({"report", path("a.hex"), path("a.txt")}).status, 0);
    EXPECT_EQ(readBytes(file("a.txt")), toStdout.out + "\r\n");
    EXPECT_EQ(run({"convert", path("a.hex"), path("b.txt")}).status, 0);
    EXPECT_EQ(readBytes(file("b.txt")), toStdout.out + "\r\n");
}

TEST_F(CliFileCommandsTest, destinationsListsTheMenuAndMarksTheRememberedOne)
{
    const CliResult first = run({"destinations"});
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.out, "CAN *\nINTL\nUSA\n");
    store.setValue("IniFilePath", "IniFileName_1", "USA");
    EXPECT_EQ(run({"destinations"}).out, "CAN\nINTL\nUSA *\n");
    EXPECT_EQ(run({"--model", "11", "destinations"}).out, "CAN-M *\nINTL-M\nUSA-M\n");
    std::filesystem::remove(programDir / "CAN-M_1130.ini");
    std::filesystem::remove(programDir / "INTL-M_1130.ini");
    std::filesystem::remove(programDir / "USA-M_1130.ini");
    const CliResult none = run({"--model", "11", "destinations"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "zmp-cli: Ini files are not found!!\nzmp-cli: " + programDir.string() +
                            ": No destination files (*-M_1130.ini)\n");
}

TEST_F(CliFileCommandsTest, diffNamesEveryDifferingKey)
{
    ASSERT_EQ(run({"new", path("a.dat")}).status, 0);
    std::string edited = replaced(readBytes(file("a.dat")), "Status name 0=USA", "Status name 0=ABC");
    edited = replaced(edited, "Weater=3", "Weater=0");
    writeBytes(file("b.dat"), edited);
    EXPECT_EQ(run({"diff", path("a.dat"), path("a.dat")}).status, 0);
    const CliResult result = run({"diff", path("a.dat"), path("b.dat")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Usable CH Group Setup Status name 0: USA -> ABC\nCommon Setup Weater: 3 -> 0\n");
    const CliResult missing = run({"diff", path("a.dat"), path("none.dat")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err,
              "zmp-cli: FileRead Error!!\nzmp-cli: " + path("none.dat") + ": No such file or directory\n");
}

// A configuration saved by the editor holds nine-digit MMSIs; read back
// from the radio it holds the memory's ten-digit form. Both are one MMSI.
TEST_F(CliFileCommandsTest, diffComparesMmsisInOneForm)
{
    ASSERT_EQ(run({"new", path("a.dat")}).status, 0);
    std::string saved = replaced(readBytes(file("a.dat")), "User MMSI=#", "User MMSI=#367123450");
    saved = replaced(saved, "[CHMMSID1]\r\nEnable=0\r\nTagName=#\r\nMmsid=",
                     "[CHMMSID1]\r\nEnable=0\r\nTagName=#\r\nMmsid=367123450");
    writeBytes(file("saved.dat"), saved);
    std::string readBack = replaced(saved, "Mmsid=367123450", "Mmsid=3671234500");
    readBack = replaced(readBack, "User MMSI=#367123450", "User MMSI=#3671234500");
    writeBytes(file("read.dat"), readBack);
    const CliResult same = run({"diff", path("saved.dat"), path("read.dat")});
    EXPECT_EQ(same.out, "");
    EXPECT_EQ(same.status, 0);
    // A tenth digit other than 0 is not part of the MMSI either: the file
    // and the radio get 0 there.
    writeBytes(file("other.dat"), replaced(saved, "Mmsid=367123450", "Mmsid=3671234501"));
    EXPECT_EQ(run({"diff", path("saved.dat"), path("other.dat")}).out, "");
    writeBytes(file("other.dat"), replaced(saved, "Mmsid=367123450", "Mmsid=367123451"));
    EXPECT_EQ(run({"diff", path("saved.dat"), path("other.dat")}).out,
              "CHMMSID1 Mmsid: 367123450 -> 367123451\n");
}

} // namespace
} // namespace zmp
