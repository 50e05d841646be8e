#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "codec/errorlog.h"
#include "support/scratchfolder.h"

namespace zmp {
namespace {

namespace fs = std::filesystem;

std::string fileText(const fs::path& file)
{
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Each test gets a fresh program folder and a fresh user data folder.
class ErrorLogTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        root_ = test::scratchFolder();
        fs::create_directories(programDir());
#ifdef _WIN32
        ::_putenv_s("LOCALAPPDATA", (root_ / "state").string().c_str());
#else
        ::setenv("XDG_STATE_HOME", (root_ / "state").c_str(), 1);
#endif
    }

    fs::path programDir() const
    {
        return root_ / "program";
    }
    fs::path stateLog() const
    {
        return root_ / "state" / "ZMP" / "err.log";
    }

    fs::path root_;
};

// Tests run in the C locale: short date "%m/%d/%y", time "%H:%M:%S".
const std::regex entryLine(R"(\d\d/\d\d/\d\d,\d\d:\d\d:\d\d:(.*) -> (.*))");

TEST_F(ErrorLogTest, writesNothingOutsideDebugMode)
{
    ErrorLog(programDir().string(), false).write("frmMain.FileReadIni", "53File not found");
    EXPECT_FALSE(fs::exists(programDir() / "err.log"));
    EXPECT_FALSE(fs::exists(stateLog()));
}

TEST_F(ErrorLogTest, appendsOneLinePerEntryInTheProgramFolder)
{
    const ErrorLog log(programDir().string(), true);
    log.write("frmMain.FileReadIni", "53File not found");
    log.write("frmRadio.WriteData", "8020Error reading\r\nfrom port");

    std::istringstream lines(fileText(programDir() / "err.log"));
    std::string line;
    std::smatch match;
    ASSERT_TRUE(std::getline(lines, line));
    ASSERT_TRUE(std::regex_match(line, match, entryLine)) << line;
    EXPECT_EQ(match[1], "frmMain.FileReadIni");
    EXPECT_EQ(match[2], "53File not found");
    ASSERT_TRUE(std::getline(lines, line));
    ASSERT_TRUE(std::regex_match(line, match, entryLine)) << line;
    EXPECT_EQ(match[1], "frmRadio.WriteData");
    EXPECT_EQ(match[2], "8020Error reading  from port");
    EXPECT_FALSE(std::getline(lines, line));
    EXPECT_FALSE(fs::exists(stateLog()));
}

TEST_F(ErrorLogTest, keepsEarlierEntriesOfAnExistingLog)
{
    std::ofstream(programDir() / "err.log") << "earlier entry\n";
    ErrorLog(programDir().string(), true).write("frmMain.SaveFileAs", "75Path/File access error");
    const std::string text = fileText(programDir() / "err.log");
    EXPECT_EQ(text.rfind("earlier entry\n", 0), 0u);
    EXPECT_NE(text.find(":frmMain.SaveFileAs -> 75Path/File access error\n"), std::string::npos);
}

TEST_F(ErrorLogTest, anInstalledCopyNeverWritesIntoItsProgramFolder)
{
    const fs::path installed = root_ / "prefix" / "share" / "zmp";
    fs::create_directories(installed);
    ErrorLog(installed.string(), true).write("frmMain.FileReadIni", "53File not found");
    ErrorLog(installed.string() + "/", true).write("frmMain.FileRead2", "62Input past end of file");
    EXPECT_FALSE(fs::exists(installed / "err.log"));
    const std::string text = fileText(stateLog());
    EXPECT_NE(text.find(":frmMain.FileReadIni -> 53File not found\n"), std::string::npos) << text;
    EXPECT_NE(text.find(":frmMain.FileRead2 -> 62Input past end of file\n"), std::string::npos) << text;
}

TEST_F(ErrorLogTest, fallsBackToTheUserStateFolderWhenTheProgramFolderIsNotWritable)
{
    // A folder below a regular file cannot be created or written, not even by root.
    std::ofstream(root_ / "blocker") << "x";
    const fs::path unwritable = root_ / "blocker" / "program";
    const ErrorLog log(unwritable.string(), true);
    log.write("frmMain.FileReadIni", "53File not found");
    log.write("frmMain.FileRead2", "62Input past end of file");

    std::istringstream lines(fileText(stateLog()));
    std::string line;
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_TRUE(std::regex_match(line, entryLine)) << line;
    EXPECT_NE(line.find(":frmMain.FileReadIni -> 53File not found"), std::string::npos);
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_NE(line.find(":frmMain.FileRead2 -> 62Input past end of file"), std::string::npos);
    EXPECT_FALSE(fs::exists(unwritable / "err.log"));
}

#ifndef _WIN32
TEST_F(ErrorLogTest, fallsBackToHomeWhenNoStateHomeIsSet)
{
    ::unsetenv("XDG_STATE_HOME");
    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome != nullptr ? oldHome : "";
    ::setenv("HOME", (root_ / "home").c_str(), 1);
    fs::create_directories(programDir() / "err.log"); // a folder where the log file should be

    ErrorLog(programDir().string(), true).write("frmRadio.ReadData", "5Invalid procedure call");
    ::setenv("HOME", savedHome.c_str(), 1);

    EXPECT_NE(
        fileText(root_ / "home" / ".local" / "state" / "ZMP" / "err.log").find(":frmRadio.ReadData -> "),
        std::string::npos);
}

#endif

} // namespace
} // namespace zmp
