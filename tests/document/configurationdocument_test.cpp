#include "document/configurationdocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <vector>

#include "files/configfilewriter.h"
#include "files/memorysettingsstore.h"
#include "image/newimage.h"
#include "support/scratchfolder.h"

namespace zmp {
namespace {

// Writes down what the document told, and whether the filling flag stood
// while a reset was shown.
class Recorder : public DocumentObserver {
  public:
    explicit Recorder(const ProcessFlags& flags) : flags_(flags) {}

    std::vector<std::string> events;
    bool fillingDuringReset = false;
    std::string resetMessage;

    void configurationReset(const FileOutcome& outcome) override
    {
        events.push_back("reset");
        fillingDuringReset = flags_.filling;
        resetMessage = outcome.message.text;
    }
    void configurationLoaded() override { events.push_back("loaded"); }
    void configurationReplaced(const std::string& step) override { events.push_back("replaced " + step); }
    void fileChanged() override { events.push_back("file"); }

  private:
    const ProcessFlags& flags_;
};

using Events = std::vector<std::string>;

constexpr int GroupNameAddress = 307;

class ConfigurationDocumentTest : public ::testing::Test {
  protected:
    ConfigurationDocumentTest() { document.setObserver(&recorder); }

    static DocumentState stateIn(const std::filesystem::path& programDir)
    {
        DocumentState state;
        state.programDir = programDir;
        state.model = ModelMr4400;
        state.hasAtis = true;
        return state;
    }

    std::filesystem::path dir = test::scratchFolder();
    MemorySettingsStore store;
    DocumentState configuration = stateIn(dir);
    ConfigurationDocument document{configuration, store};
    Recorder recorder{configuration.flags};

    // A destination image whose Group1 carries the name.
    void writeDestination(const std::string& fileName, const std::string& groupName)
    {
        Records records;
        MemoryImage bytes;
        makeNewImage(ModelMr4400, records, bytes);
        for (std::size_t i = 0; i < groupName.size(); ++i)
            bytes[GroupNameAddress + static_cast<int>(i)] = static_cast<std::uint8_t>(groupName[i]);
        writeBytes(dir / fileName, std::string(bytes.bytes.begin(), bytes.bytes.end()));
    }
    // A configuration file of the model whose first channel is tagged.
    std::string writeConfiguration(const std::string& fileName, const std::string& tag)
    {
        Records records;
        MemoryImage bytes;
        makeNewImage(ModelMr4400, records, bytes);
        records.exp[0].ChTag = tag;
        writeBytes(dir / fileName, ConfigFileWriter::compose(records, ModelMr4400, true));
        return (dir / fileName).string();
    }
    static void writeBytes(const std::filesystem::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::string groupName() const { return configuration.records.groups[0].StatusName; }
};

TEST_F(ConfigurationDocumentTest, newStartsUnnamedAndUnmodifiedWithOrWithoutTheDestination)
{
    writeDestination("USA_1130.ini", "USA");
    writeDestination("CAN_1130.ini", "CAN");
    store.setValue("IniFilePath", "IniFileName_1", "USA");
    configuration.currentFilePath = "old.dat";
    configuration.flags.modified = true;
    ASSERT_TRUE(document.newConfiguration(true).ok);
    EXPECT_EQ(groupName(), "USA");
    EXPECT_TRUE(configuration.currentFilePath.empty());
    EXPECT_FALSE(configuration.flags.modified);
    EXPECT_EQ(recorder.events, Events({"reset"}));
    EXPECT_TRUE(recorder.fillingDuringReset);
    EXPECT_FALSE(configuration.flags.filling);

    document.newConfiguration(false);
    EXPECT_NE(groupName(), "USA");

    document.setChosenDestination("CAN");
    document.newConfiguration(true);
    EXPECT_EQ(groupName(), "CAN");
    EXPECT_EQ(document.destinations().loadedName(), "CAN");
}

TEST_F(ConfigurationDocumentTest, aMissingDestinationIsReportedToTheObserverAndInTheOutcome)
{
    writeDestination("USA_1130.ini", "USA");
    document.setChosenDestination("MARS");
    const FileOutcome outcome = document.newConfiguration(true);
    EXPECT_FALSE(outcome.ok);
    EXPECT_FALSE(outcome.message.text.empty());
    EXPECT_EQ(recorder.resetMessage, outcome.message.text);
    EXPECT_TRUE(configuration.flags.ErrorFlag);
}

TEST_F(ConfigurationDocumentTest, openingAConfigurationFileResetsFillsAndNamesIt)
{
    writeDestination("USA_1130.ini", "USA");
    const std::string path = writeConfiguration("boat.dat", "BOAT");
    configuration.flags.modified = true;
    const FileOutcome outcome = document.open(path, FileKind::Configuration);
    ASSERT_TRUE(outcome.ok) << outcome.message.text << outcome.message.detail;
    EXPECT_EQ(configuration.records.exp[0].ChTag, "BOAT");
    EXPECT_EQ(configuration.currentFilePath, path);
    EXPECT_FALSE(configuration.currentFileIsImage);
    EXPECT_FALSE(configuration.flags.modified);
    EXPECT_FALSE(configuration.flags.CancelFlag);
    EXPECT_EQ(recorder.events, Events({"reset", "file", "loaded"}));
}

TEST_F(ConfigurationDocumentTest, aRefusedOpenLeavesRecordsImageFileAndFlagAsTheyWere)
{
    writeDestination("USA_1130.ini", "USA");
    document.newConfiguration(true);
    configuration.records.exp[0].ChTag = "KEEP";
    configuration.image[GroupNameAddress] = 'K';
    configuration.currentFilePath = "mine.dat";
    configuration.flags.modified = true;
    writeBytes(dir / "short.hex", "too short for an image");
    const Records records = configuration.records;
    const MemoryImage image = configuration.image;
    const struct {
        std::string path;
        FileKind kind;
    } refused[] = {{(dir / "gone.dat").string(), FileKind::Configuration},
                   {(dir / "gone.hex").string(), FileKind::Image},
                   {(dir / "short.hex").string(), FileKind::Image}};
    for (const auto& file : refused) {
        SCOPED_TRACE(file.path);
        recorder.events.clear();
        const FileOutcome outcome = document.open(file.path, file.kind);
        EXPECT_FALSE(outcome.ok);
        EXPECT_FALSE(outcome.message.text.empty());
        EXPECT_TRUE(configuration.records == records);
        EXPECT_TRUE(configuration.image.bytes == image.bytes);
        EXPECT_EQ(configuration.currentFilePath, "mine.dat");
        EXPECT_TRUE(configuration.flags.modified);
        EXPECT_TRUE(configuration.flags.CancelFlag);
        EXPECT_TRUE(recorder.events.empty());
    }
}

TEST_F(ConfigurationDocumentTest, onlyAConfigurationFileSavedBecomesTheCurrentFile)
{
    document.newConfiguration(false);
    configuration.records.exp[0].ChTag = "SAVE";
    configuration.flags.modified = true;
    recorder.events.clear();
    const std::string dat = (dir / "saved.dat").string();
    ASSERT_TRUE(document.save(dat, FileKind::Configuration).ok);
    EXPECT_EQ(configuration.currentFilePath, dat);
    EXPECT_FALSE(configuration.flags.modified);
    EXPECT_EQ(recorder.events, Events({"file"}));

    configuration.flags.modified = true;
    recorder.events.clear();
    ASSERT_TRUE(document.save((dir / "copy.hex").string(), FileKind::Image).ok);
    ASSERT_TRUE(document.save((dir / "copy.txt").string(), FileKind::Report).ok);
    EXPECT_TRUE(std::filesystem::exists(dir / "copy.hex"));
    EXPECT_TRUE(std::filesystem::exists(dir / "copy.txt"));
    EXPECT_EQ(configuration.currentFilePath, dat);
    EXPECT_TRUE(configuration.flags.modified);
    EXPECT_TRUE(recorder.events.empty());

    const FileOutcome failed = document.save((dir / "no" / "such.dat").string(), FileKind::Configuration);
    EXPECT_FALSE(failed.ok);
    EXPECT_TRUE(configuration.flags.ErrorFlag);
    EXPECT_EQ(configuration.currentFilePath, dat);
    EXPECT_TRUE(configuration.flags.modified);

    // What was saved opens again as it was.
    configuration.records.exp[0].ChTag = "LOST";
    ASSERT_TRUE(document.open(dat, FileKind::Configuration).ok);
    EXPECT_EQ(configuration.records.exp[0].ChTag, "SAVE");
}

TEST_F(ConfigurationDocumentTest, aBackupOrAReadComesInUnnamedAndStartsFromTheTop)
{
    document.newConfiguration(false);
    configuration.records.exp[0].ChTag = "BACK";
    const std::string backup = (dir / "backup.hex").string();
    ASSERT_TRUE(document.save(backup, FileKind::Image).ok);
    document.newConfiguration(false);
    configuration.currentFilePath = "mine.dat";
    recorder.events.clear();
    ASSERT_TRUE(document.openBackup(backup).ok);
    EXPECT_EQ(configuration.records.exp[0].ChTag, "BACK");
    EXPECT_TRUE(configuration.currentFilePath.empty());
    EXPECT_TRUE(configuration.flags.modified);
    EXPECT_EQ(recorder.events, Events({"file", "replaced Open Backup"}));

    configuration.currentFilePath = "mine.dat";
    recorder.events.clear();
    document.takeRead();
    EXPECT_TRUE(configuration.currentFilePath.empty());
    EXPECT_FALSE(configuration.flags.modified);
    EXPECT_EQ(recorder.events, Events({"file", "replaced Read from Radio"}));
}

TEST_F(ConfigurationDocumentTest, changingTheDestinationLoadsItIntoANewImageAndRemembersIt)
{
    writeDestination("USA_1130.ini", "USA");
    writeDestination("CAN_1130.ini", "CAN");
    store.setValue("IniFilePath", "IniFileName_1", "USA");
    document.newConfiguration(true);
    configuration.records.exp[0].ChTag = "GONE";
    configuration.flags.modified = true;
    const DestinationMenu& menu = document.destinations().menu();
    const auto can = std::find_if(menu.items.begin(), menu.items.end(),
                                  [](const DestinationMenuItem& item) { return item.caption == "CAN"; });
    ASSERT_NE(can, menu.items.end());
    recorder.events.clear();
    ASSERT_TRUE(document.changeDestination(static_cast<int>(can - menu.items.begin())).ok);
    EXPECT_EQ(groupName(), "CAN");
    EXPECT_NE(configuration.records.exp[0].ChTag, "GONE");
    EXPECT_FALSE(configuration.flags.modified);
    EXPECT_EQ(store.value("IniFilePath", "IniFileName_1", ""), "CAN");
    EXPECT_EQ(recorder.events, Events({"reset", "loaded"}));
}

} // namespace
} // namespace zmp
