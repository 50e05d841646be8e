#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <vector>

#include "datafiletestsupport.h"
#include "files/configfilereader.h"
#include "files/configfilewriter.h"
#include "files/sectiontable.h"
#include "image/imagecodec.h"
#include "model/models.h"
#include "support/systemerror.h"

namespace zmp {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "the text must end with CR LF";
    return lines;
}

std::vector<std::string> sectionsOf(const std::string& text)
{
    std::vector<std::string> sections;
    for (const std::string& line : linesOf(text))
        if (!line.empty() && line.front() == '[') sections.push_back(line);
    return sections;
}

// The lines of one section, without its header.
std::vector<std::string> sectionLines(const std::string& text, const std::string& header)
{
    const std::vector<std::string> lines = linesOf(text);
    std::vector<std::string> result;
    bool inside = false;
    for (const std::string& line : lines) {
        if (!line.empty() && line.front() == '[')
            inside = line == header;
        else if (inside)
            result.push_back(line);
    }
    return result;
}

class ConfigFileWriterTest : public ::testing::Test {
  protected:
    Records records = datatest::newConfiguration(ModelMr4400).records;
};

TEST_F(ConfigFileWriterTest, fileBeginsWithHeaderGroupsAndCommonSetup)
{
    for (int g = 0; g < UsableGroupCount; ++g) {
        records.groups[g].Enable = g % 2 == 0;
        records.groups[g].PriorityCh = 32 * g;
    }
    records.groups[0].StatusName = "USA";
    records.groups[2].StatusName = "B";
    records.groups[ExpCh].ExpGroupFlags = {false, true, false};
    const std::array<std::pair<int, int>, 10> common{{{slot::Scan, 1},
                                                      {slot::ResumeTime, 3},
                                                      {slot::PttScanClear, 0},
                                                      {slot::DualWatch, 7},
                                                      {slot::OffsetTime, -3},
                                                      {slot::TimeDisplay, 1},
                                                      {slot::Format, 0},
                                                      {slot::Weater, 3},
                                                      {slot::Sog, -2},
                                                      {slot::Distance, 1}}};
    for (const auto& [s, value] : common)
        records.settings[s] = static_cast<std::int16_t>(value);
    const std::vector<std::string> lines = linesOf(ConfigFileWriter::compose(records, ModelMr4400, true));
    const std::vector<std::string> expected = {"[MAIN]",
                                               "MODEL=#MR4400",
                                               "TYPE=#ZMP",
                                               "VERSION=#1.00",
                                               "MODELTYPE=1",
                                               "[Usable CH Group Setup]",
                                               "Group1=1",
                                               "Group2=0",
                                               "Group3=1",
                                               "Exp CH=0",
                                               "Priority CH 0=0",
                                               "Priority CH 1=32",
                                               "Priority CH 2=64",
                                               "Priority CH 3=96",
                                               "Status name 0=USA",
                                               "Status name 1=",
                                               "Status name 2=B",
                                               "Status name 3=",
                                               "Exp Ch Group 0=False",
                                               "Exp Ch Group 1=True",
                                               "Exp Ch Group 2=False",
                                               "[Common Setup]",
                                               "SCAN=1",
                                               "Resume Time=3",
                                               "PTT SCAN Clear=0",
                                               "Dual Watch=1",
                                               "Offset Time=-3",
                                               "Time Display=1",
                                               "Format=0",
                                               "Weater=3",
                                               "SOG=2",
                                               "Distance=1",
                                               "[DSC Setup (Basic Setup)]"};
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + expected.size()), expected);
}

TEST_F(ConfigFileWriterTest, everySectionInItsOrderAndNoBlankLines)
{
    const std::string text = ConfigFileWriter::compose(records, ModelMr4400, true);
    std::vector<std::string> expected = {"[MAIN]",
                                         "[Usable CH Group Setup]",
                                         "[Common Setup]",
                                         "[DSC Setup (Basic Setup)]",
                                         "[DSC Setup (Advanced Setup)]",
                                         "[DSC Setup (Display Setup)]",
                                         "[ATIS Setup (Common)]",
                                         "[ATIS Setup (Call Sign)]"};
    for (const char* prefix : {"CHUSA", "CHINT", "CHCAN"})
        for (int k = 0; k < PlanRowCount; ++k)
            expected.push_back("[" + std::string(prefix) + std::to_string(k) + "]");
    for (int idx = 0; idx < WxChannelCount; ++idx)
        expected.push_back("[CHWX" + std::to_string(idx) + "]");
    for (int n = 1; n <= MemoryIdCount; ++n)
        expected.push_back("[CHMMSID" + std::to_string(n) + "]");
    for (int n = 1; n <= GroupIdCount; ++n)
        expected.push_back("[CHGRPID" + std::to_string(n) + "]");
    for (int n = 1; n <= ExpChannelCount; ++n)
        expected.push_back("[CHEXP" + std::to_string(n) + "]");
    EXPECT_EQ(sectionsOf(text), expected);
    for (const std::string& line : linesOf(text)) {
        EXPECT_FALSE(line.empty());
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
    }
}

TEST_F(ConfigFileWriterTest, modelWithoutAtisGoesFromDisplaySetupToFirstUsaChannel)
{
    const std::vector<std::string> sections =
        sectionsOf(ConfigFileWriter::compose(records, ModelMr4400M, false));
    ASSERT_GE(sections.size(), 7u);
    EXPECT_EQ(sections[5], "[DSC Setup (Display Setup)]");
    EXPECT_EQ(sections[6], "[CHUSA0]");
    const std::string text = ConfigFileWriter::compose(records, ModelMr4400M, false);
    EXPECT_NE(text.find("MODEL=#MR4400M\r\n"), std::string::npos);
    EXPECT_NE(text.find("MODELTYPE=11\r\n"), std::string::npos);
    EXPECT_EQ(text.find("ATIS"), std::string::npos);
}

TEST_F(ConfigFileWriterTest, valueEncodingsAndComposedKeys)
{
    records.usa[0].ChTag = "  AB";
    records.groups[0].StatusName = "  X";
    records.userMmsi.clear();
    records.groups[ExpCh].ExpGroupFlags = {true, false, false};
    records.callSigns[0] = {"211", "My Boat"};
    const std::string text = ConfigFileWriter::compose(records, ModelMr4400, true);
    for (const char* line :
         {"\r\nChTag=#  AB\r\n", "\r\nStatus name 0=  X\r\n", "\r\nUser MMSI=#\r\n",
          "\r\nExp Ch Group 0=True\r\n", "\r\nPosRequest0=", "\r\nPosRequestTX3=", "\r\nBeepOut7=",
          "\r\nMID1=211\r\nDISP1=My Boat\r\n", "\r\nUsable ATIS Kikker CH Group3=", "\r\nAtis Code=#"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_EQ(text.find("Scramble"), std::string::npos) << "the scrambler option is off for every model";
}

TEST_F(ConfigFileWriterTest, advancedSetupInterleavesReceiveAndTransmitPerCategory)
{
    records.dscFlags[dscslot::transmit(0, 1)] = true;
    records.dscFlags[dscslot::receive(5, 3)] = true;
    const std::vector<std::string> lines =
        sectionLines(ConfigFileWriter::compose(records, ModelMr4400, true), "[DSC Setup (Advanced Setup)]");
    ASSERT_EQ(lines.size(), 48u);
    EXPECT_EQ(lines[0].substr(0, 16), "All Ships Call0=");
    EXPECT_EQ(lines[1], "All Ships CallTX0=0");
    EXPECT_EQ(lines[3], "All Ships CallTX1=1");
    EXPECT_EQ(lines[8].substr(0, 11), "Group Call0");
    EXPECT_EQ(lines[46], "Test Call3=1");
    EXPECT_EQ(lines[47].substr(0, 12), "Test CallTX3");
}

TEST_F(ConfigFileWriterTest, channelSectionsCarryTheirKeysInOrder)
{
    records.exp[0].Rxfreq = 100.0 + 56.0055;
    records.exp[0].Txfreq = 100.0 + 60.6;
    records.exp[0].CHDisplayL = "88";
    records.exp[0].CHDisplayR = "B";
    const std::string text = ConfigFileWriter::compose(records, ModelMr4400, true);
    const std::vector<std::string> usa = sectionLines(text, "[CHUSA32]");
    ASSERT_EQ(usa.size(), 9u);
    EXPECT_EQ(usa[0], "Position=32");
    const char* planKeys[] = {
        "Enable=", "LowPower=", "PowUp=", "Duplex=", "TxEnable=", "DispayA=", "ScanMemory="};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(usa[i + 1].substr(0, std::string(planKeys[i]).size()), planKeys[i]);
    EXPECT_EQ(usa[8], "ChTag=#" + records.usa[32].ChTag);
    EXPECT_EQ(sectionLines(text, "[CHWX0]").size(), 3u);
    EXPECT_EQ(sectionLines(text, "[CHMMSID80]"),
              (std::vector<std::string>{"Enable=0", "TagName=#", "Mmsid="}));
    const std::vector<std::string> exp = sectionLines(text, "[CHEXP1]");
    ASSERT_EQ(exp.size(), 9u);
    EXPECT_EQ(exp[1], "CHDisplayL=88");
    EXPECT_EQ(exp[2], "CHDisplayR=B");
    EXPECT_EQ(exp[3], "Rxfreq=156.0055");
    EXPECT_EQ(exp[4], "Txfreq=160.6");
    EXPECT_EQ(exp[8].substr(0, 7), "ChTag=#");
}

TEST_F(ConfigFileWriterTest, priorityOfNoneKeepsItsSign)
{
    records.groups[ExpCh].PriorityCh = -1;
    const std::string text = ConfigFileWriter::compose(records, ModelMr4400, true);
    EXPECT_NE(text.find("\r\nPriority CH 3=-1\r\n"), std::string::npos);
}

// An image may hold a tenth MMSI digit other than 0; the radio always gets
// 0 there, so the file must say the same as the radio and a backup's image.
TEST_F(ConfigFileWriterTest, mmsiTenthDigitIsWrittenAsTheRadioGetsIt)
{
    records.userMmsi = "2801234567";
    records.memoryId[0] = {true, "FRIEND", "2321234565", {}};
    records.groupId[0] = {true, "FLEET", "0366123459", {}};
    Records fromFile = records;
    ConfigFileReader::fill(SectionTable::fromText(ConfigFileWriter::compose(records, ModelMr4400, true)),
                           fromFile, true);
    Records sent = records;
    MemoryImage image{};
    ImageCodec::encode(sent, ModelMr4400, image);
    Records fromImage = records;
    ImageCodec::decode(image, fromImage);
    EXPECT_EQ(fromFile.userMmsi, "2801234560");
    EXPECT_EQ(fromFile.userMmsi, fromImage.userMmsi);
    EXPECT_EQ(fromFile.memoryId[0].Mmsid, "2321234560");
    EXPECT_EQ(fromFile.memoryId[0].Mmsid, fromImage.memoryId[0].Mmsid);
    EXPECT_EQ(fromFile.groupId[0].Mmsid, fromImage.groupId[0].Mmsid);
}

TEST_F(ConfigFileWriterTest, lineBreaksInsideTextsCannotStartNewLines)
{
    records.usa[0].ChTag = "A\r\n[MAIN]";
    const std::string text = ConfigFileWriter::compose(records, ModelMr4400, true);
    EXPECT_NE(text.find("\r\nChTag=#A[MAIN]\r\n"), std::string::npos);
    EXPECT_EQ(sectionsOf(text).front(), "[MAIN]");
}

TEST_F(ConfigFileWriterTest, pendingEventsRunOncePerDirectorySection)
{
    int calls = 0;
    ConfigFileWriter::compose(records, ModelMr4400, true, [&calls] { ++calls; });
    EXPECT_EQ(calls, MemoryIdCount + GroupIdCount);
}

TEST_F(ConfigFileWriterTest, writeStoresTheComposedTextAndLeavesTheFlagsClear)
{
    const fs::path path = test::scratchFolder() / "boat.dat";
    test::writeBytes(path, std::string(500000, 'o'));
    ProcessFlags flags;
    flags.modified = true;
    flags.ErrorFlag = true;
    const ErrorLog log(path.parent_path().string(), true);
    const FileContext context{ModelMr4400, true, flags, log};
    const FileOutcome outcome = ConfigFileWriter::write(path.string(), records, context);
    EXPECT_TRUE(outcome.ok);
    EXPECT_TRUE(outcome.message.text.empty());
    EXPECT_EQ(test::readBytes(path), ConfigFileWriter::compose(records, ModelMr4400, true));
    EXPECT_FALSE(flags.ErrorFlag);
    EXPECT_FALSE(flags.CancelFlag);
    EXPECT_FALSE(flags.filling);
    EXPECT_TRUE(flags.modified) << "writing never changes the modified flag";
    EXPECT_FALSE(fs::exists(path.parent_path() / "err.log"));
}

TEST_F(ConfigFileWriterTest, unwritableTargetKeepsTheOldFileAndReportsFileSaveError)
{
    const fs::path folder = test::scratchFolder();
    test::writeBytes(folder / "notafolder", "previous");
    fs::create_directory(folder / "adirectory.dat");
    for (const fs::path& target : {folder / "notafolder" / "x.dat", folder / "adirectory.dat"}) {
        ProcessFlags flags;
        const ErrorLog log(folder.string(), true);
        const FileContext context{ModelMr4400, true, flags, log};
        const FileOutcome outcome = ConfigFileWriter::write(target.string(), records, context);
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(outcome.message.text, "FileSave Error!!");
        EXPECT_EQ(outcome.message.title, "PC Program for MR4400");
        EXPECT_EQ(outcome.message.icon, MessageIcon::Warning);
        EXPECT_TRUE(flags.ErrorFlag);
        EXPECT_TRUE(flags.CancelFlag);
        EXPECT_FALSE(flags.filling);
    }
    EXPECT_EQ(test::readBytes(folder / "notafolder"), "previous");
    EXPECT_TRUE(fs::is_directory(folder / "adirectory.dat"));
    EXPECT_TRUE(fs::is_empty(folder / "adirectory.dat"));
    const std::string log = test::readBytes(folder / "err.log");
    EXPECT_NE(log.find("frmMain.SaveFileAs -> " + test::pathThroughFileError().logText()), std::string::npos)
        << log;
    EXPECT_NE(log.find("frmMain.SaveFileAs -> " + std::to_string(EISDIR) + std::strerror(EISDIR)),
              std::string::npos)
        << log;
}

} // namespace
} // namespace zmp
