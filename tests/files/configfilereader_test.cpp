#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "datafiletestsupport.h"
#include "files/configfilereader.h"
#include "files/configfilewriter.h"
#include "files/configlayout.h"
#include "model/models.h"
#include "support/systemerror.h"

namespace zmp {
namespace {

namespace fs = std::filesystem;

// Each test reads into records that a reset brings back to a new configuration.
class ConfigFileReaderTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        folder = test::scratchFolder();
        baseline = datatest::newConfiguration(ModelMr4400).records;
        records = datatest::variedRecords(ModelMr4400);
    }

    FileOutcome readText(const std::string& text, int model = ModelMr4400, bool hasAtis = true)
    {
        const fs::path path = folder / "in.dat";
        test::writeBytes(path, text);
        return readPath(path, model, hasAtis);
    }

    FileOutcome readPath(const fs::path& path, int model = ModelMr4400, bool hasAtis = true)
    {
        const ErrorLog log(folder.string(), true);
        const FileContext context{model, hasAtis, flags, log};
        return ConfigFileReader::read(path.string(), records, context, [this] {
            ++resets;
            records = baseline;
        });
    }

    std::string header(int model = ModelMr4400) const
    {
        return "[MAIN]\r\nMODELTYPE=" + std::to_string(model) + "\r\n";
    }

    void expectUntouched() const { EXPECT_TRUE(records == datatest::variedRecords(ModelMr4400)); }

    fs::path folder;
    Records baseline;
    Records records;
    ProcessFlags flags;
    int resets = 0;
};

TEST_F(ConfigFileReaderTest, recordsSurviveWritingAndReading)
{
    const Records written = datatest::variedRecords(ModelMr4400);
    const std::string text = ConfigFileWriter::compose(written, ModelMr4400, true);
    const FileOutcome outcome = readText(text);
    ASSERT_TRUE(outcome.ok) << outcome.message.text;
    EXPECT_EQ(resets, 1);
    // The file holds four decimals; they read back as the decimal value
    // itself, which a sum such as 100 + 56.0055 need not be.
    Records expected = written;
    for (int i = 0; i < ExpChannelCount; ++i) {
        expected.exp[i].Rxfreq = (1560055 + 125 * i) / 10000.0;
        expected.exp[i].Txfreq = i % 3 ? (1606000 + 250 * i) / 10000.0 : 0.0;
    }
    EXPECT_TRUE(records == expected);
    EXPECT_EQ(records.exp[0].Rxfreq, 156.0055) << "the frequency reads back as its decimal value";
    EXPECT_EQ(ConfigFileWriter::compose(records, ModelMr4400, true), text);
}

// Makes the text the writer gives for the field one key names differ.
template <class Record>
void change(const configlayout::FieldKey<Record>& key, Record& record)
{
    if (key.kind == configlayout::FieldKind::Flag)
        record.*key.flag = !(record.*key.flag);
    else if (key.kind == configlayout::FieldKind::Frequency)
        record.*key.number = record.*key.number == 157.5 ? 158.25 : 157.5;
    else
        record.*key.text += std::string("~") + key.key;
}

TEST_F(ConfigFileReaderTest, everyKeyWrittenForARecordIsReadBackIntoItsField)
{
    ASSERT_TRUE(readText(ConfigFileWriter::compose(baseline, ModelMr4400, true)).ok);
    baseline = records;
    const auto check = [this](const auto& keys, const auto& pick) {
        for (const auto& key : keys) {
            Records written = baseline;
            change(key, pick(written));
            const std::string text = ConfigFileWriter::compose(written, ModelMr4400, true);
            EXPECT_NE(text, ConfigFileWriter::compose(baseline, ModelMr4400, true)) << key.key;
            ASSERT_TRUE(readText(text).ok) << key.key;
            EXPECT_TRUE(records == written) << key.key;
        }
    };
    // A row that can be duplex, so that its Duplex flag survives the reading.
    const auto duplexRow = std::find_if(baseline.can.begin(), baseline.can.end(),
                                        [](const ChannelRecord& c) { return c.DuplexCapable; }) -
                           baseline.can.begin();
    ASSERT_LT(duplexRow, PlanRowCount);
    using namespace configlayout;
    check(PlanChannelKeys, [duplexRow](Records& r) -> ChannelRecord& { return r.can[duplexRow]; });
    check(WxChannelKeys, [](Records& r) -> ChannelRecord& { return r.wx[3]; });
    check(ExpChannelKeys, [](Records& r) -> ChannelRecord& { return r.exp[5]; });
    check(DirectoryKeys, [](Records& r) -> DirectoryEntry& { return r.memoryId[7]; });
    check(DirectoryKeys, [](Records& r) -> DirectoryEntry& { return r.groupId[31]; });
}

TEST_F(ConfigFileReaderTest, beepsAndDistressCancelFromTheFileReachTheImageFlags)
{
    baseline.dscFlags.fill(true);
    baseline.dscFlags[dscslot::DistressCancelCall] = true;
    const FileOutcome outcome =
        readText(header() + "[DSC Setup (Basic Setup)]\r\nPosRequest0=0\r\nBeepOut0=0\r\nBeepOut4=0\r\n");
    ASSERT_TRUE(outcome.ok) << outcome.message.text;
    EXPECT_FALSE(records.dscFlags[dscslot::DistressCancelCall]);
    EXPECT_FALSE(records.dscFlags[dscslot::SendDistressAlert]);
    EXPECT_FALSE(records.dscFlags[dscslot::ReceivedGeografic]);
    EXPECT_TRUE(records.dscFlags[dscslot::ReceivedGroup]);
}

TEST_F(ConfigFileReaderTest, modelWithoutAtisKeepsTheResetAtisValues)
{
    const Records written = datatest::variedRecords(ModelMr4400M);
    baseline = datatest::newConfiguration(ModelMr4400M).records;
    ASSERT_TRUE(readText(ConfigFileWriter::compose(written, ModelMr4400M, true), ModelMr4400M, false).ok);
    datatest::expectSameFileFields(records, written, false);
    EXPECT_EQ(records.atisCode, baseline.atisCode);
    EXPECT_EQ(records.callSigns[0].Mid, baseline.callSigns[0].Mid);
    EXPECT_EQ(records.settings[slot::UsableAtis], baseline.settings[slot::UsableAtis]);
}

TEST_F(ConfigFileReaderTest, autoPosSettingsKeepTheirResetValues)
{
    baseline.autoPos.Interval = 3;
    baseline.autoPos.Mmsi = "111";
    const std::string text = ConfigFileWriter::compose(records, ModelMr4400, true) +
                             "[DSC Setup (AutoPos Setup)]\r\nINTERVAL=5\r\nMMSI=999\r\n";
    ASSERT_TRUE(readText(text).ok);
    EXPECT_EQ(records.autoPos.Interval, 3);
    EXPECT_EQ(records.autoPos.Mmsi, "111");
}

TEST_F(ConfigFileReaderTest, wrongOrMissingModelTypeIsRefusedAfterTheReset)
{
    const std::string body = "[Usable CH Group Setup]\r\nGroup1=0\r\nStatus name 0=NEW\r\n";
    for (const std::string& main :
         {std::string("[MAIN]\r\nMODEL=#MR4400\r\n"), std::string("[MAIN]\r\nMODELTYPE=abc\r\n"),
          std::string("[MAIN]\r\nMODELTYPE=\r\n"), header(ModelMr4400M), std::string()}) {
        flags = {};
        const FileOutcome outcome = readText(main + body);
        EXPECT_FALSE(outcome.ok) << main;
        EXPECT_EQ(outcome.message.text, "ModelType Error !!");
        EXPECT_EQ(outcome.message.title, "PC Program for MR4400");
        EXPECT_EQ(outcome.message.icon, MessageIcon::Critical);
        EXPECT_TRUE(flags.ErrorFlag);
        EXPECT_FALSE(flags.filling);
        EXPECT_TRUE(records == baseline);
    }
}

TEST_F(ConfigFileReaderTest, readInsideAnOuterFillLeavesItsFlagSet)
{
    flags.filling = true;
    EXPECT_TRUE(readText(header()).ok);
    EXPECT_TRUE(flags.filling);
    EXPECT_FALSE(readText("[MAIN]\r\nMODELTYPE=abc\r\n").ok);
    EXPECT_TRUE(flags.filling);
}

TEST_F(ConfigFileReaderTest, modelTypeWithMarkerIsAccepted)
{
    baseline = datatest::newConfiguration(ModelMr4400M).records;
    ASSERT_TRUE(readText("[MAIN]\r\nMODELTYPE=#11\r\n[Usable CH Group Setup]\r\nStatus name 0=NEW\r\n",
                         ModelMr4400M, false)
                    .ok);
    EXPECT_EQ(records.groups[0].StatusName, "NEW");
    EXPECT_FALSE(flags.ErrorFlag);
}

TEST_F(ConfigFileReaderTest, resetThatFailsEndsTheReadSilently)
{
    const fs::path path = folder / "in.dat";
    test::writeBytes(path, header() + "[Usable CH Group Setup]\r\nStatus name 0=NEW\r\n");
    const ErrorLog log(folder.string(), true);
    const FileContext context{ModelMr4400, true, flags, log};
    const FileOutcome outcome = ConfigFileReader::read(path.string(), records, context, [this] {
        records = baseline;
        flags.ErrorFlag = true;
    });
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.text.empty());
    EXPECT_EQ(records.groups[0].StatusName, baseline.groups[0].StatusName);
}

TEST_F(ConfigFileReaderTest, sectionsAndKeysInAnyCaseAreFound)
{
    ASSERT_TRUE(
        readText(header() + "[chusa0]\r\nposition=0\r\nenable=1\r\nchtag=#x\r\n[common setup]\r\nsog=2\r\n")
            .ok);
    EXPECT_TRUE(records.usa[0].Enable);
    EXPECT_EQ(records.usa[0].ChTag, "x");
    EXPECT_EQ(records.settings[slot::Sog], 2);
}

TEST_F(ConfigFileReaderTest, channelSectionsStopAtTheFirstGap)
{
    ASSERT_TRUE(readText(header() +
                         "[CHUSA0]\r\nPosition=0\r\nChTag=#A\r\n[CHUSA1]\r\nPosition=1\r\nChTag=#B\r\n"
                         "[CHUSA3]\r\nPosition=3\r\nChTag=#D\r\n")
                    .ok);
    EXPECT_EQ(records.usa[0].ChTag, "A");
    EXPECT_EQ(records.usa[1].ChTag, "B");
    EXPECT_EQ(records.usa[3].ChTag, baseline.usa[3].ChTag);
}

TEST_F(ConfigFileReaderTest, positionOutsideTheTableSkipsOnlyThatSection)
{
    std::string text = header();
    for (int k = 0; k <= 6; ++k) {
        const int position = k == 5 ? 300 : 10 + k;
        text += "[CHUSA" + std::to_string(k) + "]\r\nPosition=" + std::to_string(position) + "\r\nChTag=#N" +
                std::to_string(k) + "\r\n";
    }
    ASSERT_TRUE(readText(text).ok);
    EXPECT_EQ(records.usa[14].ChTag, "N4");
    EXPECT_EQ(records.usa[16].ChTag, "N6");
    EXPECT_EQ(records.usa[15].ChTag, baseline.usa[15].ChTag);
    EXPECT_EQ(records.usa[5].ChTag, baseline.usa[5].ChTag);
}

TEST_F(ConfigFileReaderTest, recordIsFiledByPositionNotBySectionNumber)
{
    ASSERT_TRUE(readText(header() + "[CHINT0]\r\nPosition=7.4 rows\r\nTxEnable=0\r\nChTag=#SEVEN\r\n").ok);
    EXPECT_EQ(records.intl[7].ChTag, "SEVEN");
    EXPECT_EQ(records.intl[7].Position, 7);
    EXPECT_FALSE(records.intl[7].TxEnable);
    EXPECT_EQ(records.intl[0].ChTag, baseline.intl[0].ChTag);
}

TEST_F(ConfigFileReaderTest, textsKeepLeadingSpacesMissingTextEmptiesMissingFlagKeepsReset)
{
    ASSERT_TRUE(readText(header() + "[CHUSA0]\r\nPosition=2\r\nChTag=#  AB  \r\n[CHUSA1]\r\nPosition=3\r\n"
                                    "[Usable CH Group Setup]\r\nStatus name 0=  ST  \r\n")
                    .ok);
    EXPECT_EQ(records.usa[2].ChTag, "  AB");
    EXPECT_EQ(records.usa[3].ChTag, "");
    EXPECT_EQ(records.usa[3].Enable, baseline.usa[3].Enable);
    EXPECT_EQ(records.groups[0].StatusName, "ST") << "a plain text loses its leading spaces";
}

TEST_F(ConfigFileReaderTest, duplexNeedsADuplexPair)
{
    int simplex = -1, duplex = -1;
    for (int i = 0; i < PlanRowCount && (simplex < 0 || duplex < 0); ++i)
        (baseline.usa[i].DuplexCapable ? duplex : simplex) = i;
    ASSERT_GE(simplex, 0);
    ASSERT_GE(duplex, 0);
    ASSERT_TRUE(readText(header() + "[CHUSA0]\r\nPosition=" + std::to_string(simplex) +
                         "\r\nDuplex=1\r\n[CHUSA1]\r\n"
                         "Position=" +
                         std::to_string(duplex) + "\r\nDuplex=1\r\n")
                    .ok);
    EXPECT_FALSE(records.usa[simplex].Duplex);
    EXPECT_TRUE(records.usa[duplex].Duplex);
}

TEST_F(ConfigFileReaderTest, valueConversionsAndUnconvertibleValues)
{
    baseline.settings[slot::Weater] = 1;
    baseline.exp[0].Rxfreq = 157.0;
    ASSERT_TRUE(readText(header() +
                         "[Usable CH Group Setup]\r\nExp Ch Group 0=1\r\nExp Ch Group 1=True\r\n"
                         "Exp Ch Group 2=maybe\r\nPriority CH 1=70000\r\n[Common Setup]\r\nOffset Time=-3\r\n"
                         "Resume Time=2.5\r\nWeater=99999\r\nSCAN=True\r\n"
                         "[CHEXP1]\r\nRxfreq=156,025\r\nTxfreq=x\r\n[CHEXP2]\r\nRxfreq=161.6\r\n")
                    .ok);
    EXPECT_EQ(records.groups[ExpCh].ExpGroupFlags,
              (std::array<bool, 3>{true, true, baseline.groups[ExpCh].ExpGroupFlags[2]}));
    EXPECT_EQ(records.groups[1].PriorityCh, 70000);
    EXPECT_EQ(records.settings[slot::OffsetTime], -3);
    EXPECT_EQ(records.settings[slot::ResumeTime], 2);
    EXPECT_EQ(records.settings[slot::Weater], 1) << "out of range keeps the reset value";
    EXPECT_EQ(records.settings[slot::Scan], 1);
    EXPECT_EQ(records.exp[0].Rxfreq, 156.025);
    EXPECT_EQ(records.exp[0].Txfreq, baseline.exp[0].Txfreq);
    EXPECT_EQ(records.exp[1].Rxfreq, 161.6);
}

TEST_F(ConfigFileReaderTest, fileThatCannotBeReadIsRefusedBeforeTheReset)
{
    fs::create_directory(folder / "folder.dat");
#ifndef _WIN32 // elsewhere the path stays missing, which must read alike
    ASSERT_EQ(::mkfifo((folder / "pipe.dat").c_str(), 0600), 0);
#endif
    for (const fs::path& path : {folder / "missing.dat", folder / "folder.dat", folder / "pipe.dat"}) {
        flags = {};
        const FileOutcome outcome = readPath(path);
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(outcome.message.text, "FileRead Error!!");
        EXPECT_EQ(outcome.message.title, "PC Program for MR4400");
        EXPECT_EQ(outcome.message.icon, MessageIcon::Warning);
        EXPECT_TRUE(flags.ErrorFlag);
        EXPECT_TRUE(flags.CancelFlag);
    }
    EXPECT_EQ(resets, 0);
    expectUntouched();
    const std::string log = test::readBytes(folder / "err.log");
    EXPECT_NE(log.find("frmMain.FileRead2 -> " + test::missingFileError().logText()), std::string::npos)
        << log;
    EXPECT_NE(log.find("frmMain.FileRead2 -> " + std::to_string(EISDIR) + std::strerror(EISDIR)),
              std::string::npos)
        << log;
}

TEST_F(ConfigFileReaderTest, refusalSaysWhyWithThePath)
{
    const std::string missing = (folder / "missing.dat").string();
    EXPECT_EQ(readPath(missing).message.detail, missing + ": " + test::missingFileError().text);
    const std::string nuls = (folder / "in.dat").string();
    EXPECT_EQ(readText(std::string(1 << 20, '\0')).message.detail,
              nuls + ": Line longer than 65536 characters");
}

// Also with the UTF-8 byte-order mark a Windows editor puts first.
TEST_F(ConfigFileReaderTest, everyLineEndReadsAlike)
{
    const Records written = datatest::variedRecords(ModelMr4400);
    const std::string text = ConfigFileWriter::compose(written, ModelMr4400, true);
    for (const char* lineEnd : {"\r", "\n", "\r\n"}) {
        std::string converted = lineEnd == std::string("\r\n") ? "\xEF\xBB\xBF" : "";
        for (std::size_t at = 0, next; at < text.size(); at = next + 2) {
            next = text.find("\r\n", at);
            converted += text.substr(at, next - at) + lineEnd;
        }
        records = datatest::variedRecords(ModelMr4400);
        records.usa[3].ChTag = "OTHER";
        const FileOutcome outcome = readText(converted);
        ASSERT_TRUE(outcome.ok) << outcome.message.text;
        datatest::expectSameFileFields(records, written, true);
    }
}

TEST_F(ConfigFileReaderTest, megabyteLineIsRefusedBeforeTheReset)
{
    const FileOutcome outcome =
        readText(header() + "[CHUSA0]\r\nChTag=#" + std::string(1 << 20, 'A') + "\r\n");
    EXPECT_EQ(outcome.message.text, "FileRead Error!!");
    EXPECT_EQ(resets, 0);
    expectUntouched();
}

TEST_F(ConfigFileReaderTest, floodOfDistinctKeysIsRefusedBeforeTheReset)
{
    std::string text = header();
    for (int i = 0; i < 200000; ++i)
        text += "[X" + std::to_string(i) + "]\r\nkey=value\r\n";
    EXPECT_EQ(readText(text).message.text, "FileRead Error!!");
    EXPECT_EQ(resets, 0);
}

// The reason below the message says what was found instead of the model.
TEST_F(ConfigFileReaderTest, emptyAndBinaryFilesGetTheModelTypeError)
{
    std::string binary;
    for (int i = 0; i < 5000; ++i)
        binary.push_back(static_cast<char>((i * 37 + 11) % 256));
    const std::vector<std::pair<std::string, std::string>> cases{
        {std::string(), "The file is empty, MODELTYPE=1 expected"},
        {binary, "No MODELTYPE in [MAIN], MODELTYPE=1 expected"},
        {"[MAIN]\r\nMODELTY", "No MODELTYPE in [MAIN], MODELTYPE=1 expected"}};
    for (const auto& [text, reason] : cases) {
        flags = {};
        const FileOutcome outcome = readText(text);
        EXPECT_EQ(outcome.message.text, "ModelType Error !!");
        EXPECT_EQ(outcome.message.detail, (folder / "in.dat").string() + ": " + reason);
        EXPECT_TRUE(records == baseline);
    }
}

TEST_F(ConfigFileReaderTest, truncatedFileReadsWhatItHolds)
{
    const std::string full =
        ConfigFileWriter::compose(datatest::variedRecords(ModelMr4400), ModelMr4400, true);
    const std::string cut = full.substr(0, full.find("[CHINT5]") + 3);
    ASSERT_TRUE(readText(cut).ok);
    EXPECT_EQ(records.intl[4].ChTag, datatest::variedRecords(ModelMr4400).intl[4].ChTag);
    EXPECT_EQ(records.intl[5].ChTag, baseline.intl[5].ChTag);
    EXPECT_EQ(records.wx[0].ChTag, "") << "a missing text empties its field";
}

TEST_F(ConfigFileReaderTest, pendingEventsRunAfterEachChannelSection)
{
    const fs::path path = folder / "in.dat";
    test::writeBytes(path, ConfigFileWriter::compose(records, ModelMr4400, true));
    int calls = 0;
    const ErrorLog log(folder.string(), false);
    const FileContext context{ModelMr4400, true, flags, log, [&calls] { ++calls; }};
    ASSERT_TRUE(ConfigFileReader::read(path.string(), records, context, [this] { records = baseline; }).ok);
    EXPECT_EQ(calls, 3 * PlanRowCount);
}

} // namespace
} // namespace zmp
