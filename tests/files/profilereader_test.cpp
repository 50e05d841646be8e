#include "files/profilereader.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "support/filebytes.h"
#include "support/scratchfolder.h"

namespace zmp {
namespace {

using namespace std::string_literals;

class ProfileReaderTest : public ::testing::Test {
  protected:
    std::string path = (test::scratchFolder() / "global.ini").string();
    std::string read(const std::string& section, const std::string& key) const
    {
        return ProfileReader::readString(path, section, key);
    }
};

TEST_F(ProfileReaderTest, findsSectionsAndKeysWithoutRegardToCase)
{
    test::writeBytes(path, "\xEF\xBB\xBF[MODEL1]\r\nUSE = 1 \r\n[model2]\r\natis=True\r\n");
    EXPECT_EQ(read("model1", "use"), "1");
    EXPECT_EQ(read("Model2", "ATIS"), "True");
    EXPECT_EQ(read("model2", "use"), "");
}

TEST_F(ProfileReaderTest, missingFileSectionOrKeyGivesEmptyText)
{
    EXPECT_EQ(read("model1", "use"), "");
    test::writeBytes(path, "[model1]\nuse=1\n");
    EXPECT_EQ(read("model3", "use"), "");
    EXPECT_EQ(read("model1", "atis"), "");
    EXPECT_EQ(ProfileReader::readString(path, "model1", "atis", "#x"), "x");
}

TEST_F(ProfileReaderTest, dropsOneLeadingHashAndTreatsNoneAsEmpty)
{
    test::writeBytes(path, "[MAIN]\nMODELTYPE=#11\ntwo=##2\nnone=<NONE>\n");
    EXPECT_EQ(read("MAIN", "MODELTYPE"), "11");
    EXPECT_EQ(read("MAIN", "two"), "#2");
    EXPECT_EQ(read("MAIN", "none"), "");
}

TEST_F(ProfileReaderTest, cutsValueAtNulAndToTheBuffer)
{
    test::writeBytes(path, "[s]\nnul=ab\0cd\nfirst=\0x\nlong="s + std::string(200, 'v') + "\n");
    EXPECT_EQ(read("s", "nul"), "ab");
    EXPECT_EQ(read("s", "first"), "");
    EXPECT_EQ(read("s", "long"), std::string(127, 'v'));
}

TEST_F(ProfileReaderTest, aHugeLineIsCutAndReadingGoesOn)
{
    test::writeBytes(path, "[s]\nbig=" + std::string(10'000'000, 'v') + "\nkey=1\n");
    EXPECT_EQ(read("s", "big"), std::string(127, 'v'));
    EXPECT_EQ(read("s", "key"), "1");
}

TEST_F(ProfileReaderTest, firstMatchWinsAcrossRepeatedSections)
{
    test::writeBytes(path, "[a]\nx=1\n[b]\ny=2\n[A]\nx=3\nz=4\n; z=5\nq\n");
    EXPECT_EQ(read("a", "x"), "1");
    EXPECT_EQ(read("a", "z"), "4");
    EXPECT_EQ(read("b", "x"), "");
}

TEST_F(ProfileReaderTest, quotedValueLosesItsQuotes)
{
    test::writeBytes(path, "[a]\nq=\" spaced \"\nhalf=\"open\n");
    EXPECT_EQ(read("a", "q"), " spaced ");
    EXPECT_EQ(read("a", "half"), "\"open");
}

TEST_F(ProfileReaderTest, everyLineEndEndsALine)
{
    test::writeBytes(path, "[MAIN]\rMODEL=#MR4400\rMODELTYPE=1\r[b]\r\nx=2\ny=3\r\n");
    EXPECT_EQ(read("MAIN", "MODELTYPE"), "1");
    EXPECT_EQ(read("b", "x"), "2");
    EXPECT_EQ(read("b", "y"), "3");
}

// A folder or a FIFO where the file should be counts as a missing file,
// says why, and never makes the reader wait or throw.
TEST_F(ProfileReaderTest, aFolderOrAFifoReadsAsEmptyWithTheReason)
{
    std::filesystem::create_directory(path);
    FileError error;
    EXPECT_EQ(ProfileReader::readString(path, "model1", "use", "<NONE>", &error), "");
    EXPECT_EQ(error.number, EISDIR);
#ifndef _WIN32
    std::filesystem::remove(path);
    ASSERT_EQ(::mkfifo(path.c_str(), 0666), 0);
    error = {};
    EXPECT_EQ(ProfileReader::readString(path, "model1", "use", "<NONE>", &error), "");
    EXPECT_EQ(error.description, "Not a regular file");
#endif
}

} // namespace
} // namespace zmp
