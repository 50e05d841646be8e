#include "files/newimagewithdestination.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "codec/errorlog.h"
#include "files/destinationlist.h"
#include "files/memorysettingsstore.h"
#include "image/newimage.h"
#include "model/models.h"
#include "support/filebytes.h"
#include "support/scratchfolder.h"

namespace zmp {
namespace {

class NewImageWithDestinationTest : public ::testing::Test {
  protected:
    std::filesystem::path dir = test::scratchFolder();
    MemorySettingsStore store;
    ProcessFlags flags;
    ErrorLog log{dir.string(), false};
    FileContext context{ModelMr4400, true, flags, log};
    Records records;
    MemoryImage image;
    DestinationController controller{dir, store, silentImageLoader(records, image, context)};

    // A destination image of the model whose Group1 carries the name.
    void writeDestination(const std::string& fileName, int model, const std::string& groupName)
    {
        Records source;
        MemoryImage bytes;
        makeNewImage(model, source, bytes);
        for (std::size_t i = 0; i < groupName.size(); ++i)
            bytes[307 + static_cast<int>(i)] = groupName[i];
        std::ofstream(dir / fileName, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.bytes.data()), bytes.size());
    }
    FileOutcome make(int model, const std::optional<std::string>& chosen = std::nullopt)
    {
        context.model = model;
        return newImageWithDestination(model, titleText(model), controller, records, image, flags, chosen);
    }
};

TEST_F(NewImageWithDestinationTest, loadsTheRememberedDestinationIntoImageAndRecords)
{
    writeDestination("USA_1130.ini", ModelMr4400, "USA");
    writeDestination("CAN_1130.ini", ModelMr4400, "CAN");
    store.setValue("IniFilePath", "IniFileName_1", "USA");
    records.groups[0].StatusName = "OLD";
    const FileOutcome outcome = make(ModelMr4400);
    ASSERT_TRUE(outcome.ok) << outcome.message.text;
    EXPECT_EQ(records.groups[0].StatusName, "USA");
    EXPECT_EQ(image[307], 'U');
    EXPECT_EQ(controller.loadedName(), "USA");
    EXPECT_FALSE(flags.filling);
    EXPECT_FALSE(flags.ErrorFlag);

    ASSERT_TRUE(controller.select(0, ModelMr4400, "t").ok);
    EXPECT_EQ(records.groups[0].StatusName, "CAN");
    EXPECT_EQ(store.value("IniFilePath", "IniFileName_1", ""), "CAN");
}

TEST_F(NewImageWithDestinationTest, identificationTextOnlyForTheMr4400)
{
    writeDestination("EU-M_1130.ini", ModelMr4400M, "EU");
    ASSERT_TRUE(make(ModelMr4400M).ok);
    EXPECT_EQ(controller.loadedName(), "EU-M");
    EXPECT_EQ(records.groups[0].StatusName, "EU");
    for (int a = 256; a <= 261; ++a)
        EXPECT_EQ(image[a], 0xFF) << a;

    writeDestination("USA_1130.ini", ModelMr4400, "USA");
    ASSERT_TRUE(make(ModelMr4400).ok);
    EXPECT_EQ(std::string(image.bytes.begin() + 256, image.bytes.begin() + 262), "KT731R");
}

TEST_F(NewImageWithDestinationTest, withoutDestinationFilesTheDefaultImageStays)
{
    const FileOutcome outcome = make(ModelMr4400);
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.message.text, "Ini files are not found!!");
    EXPECT_EQ(outcome.message.title, "PC Program for MR4400");
    EXPECT_FALSE(flags.ErrorFlag);
    EXPECT_EQ(image[128], 0x11);
    EXPECT_EQ(image[129], 0x30);
    EXPECT_EQ(image[184], 3);
}

TEST_F(NewImageWithDestinationTest, refusedDestinationFailsWithErrorFlag)
{
    writeDestination("USA-M_1130.ini", ModelMr4400M, "USA");
    test::writeBytes(dir / "CAN-M_1130.ini", "short");
    store.setValue("IniFilePath", "IniFileName_11", "CAN-M");
    FileOutcome outcome = make(ModelMr4400M);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message.text, "Ini file read Error!!");
    EXPECT_EQ(outcome.message.icon, MessageIcon::Warning);
    EXPECT_TRUE(flags.ErrorFlag);
    EXPECT_EQ(controller.menu().checkedItem(), -1);

    // A chosen destination with a sound file still loads.
    flags.ErrorFlag = false;
    outcome = make(ModelMr4400M, std::string("USA-M"));
    EXPECT_TRUE(outcome.ok) << outcome.message.text;
}

TEST_F(NewImageWithDestinationTest, unknownModelIsRefusedAndNothingChanges)
{
    writeDestination("USA_1130.ini", ModelMr4400, "USA");
    image.fill(0x42);
    const FileOutcome outcome = make(2);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message.text, "Unknown model!!");
    EXPECT_EQ(outcome.message.icon, MessageIcon::Critical);
    EXPECT_TRUE(flags.ErrorFlag);
    EXPECT_EQ(image[0], 0x42);
    EXPECT_FALSE(controller.menu().enabled);
}

// The destination files this project installs load for their models and
// enable the groups of their region: CAN the USA and CAN tables, INTL its
// own, USA its own; the weather alert is on in North America only, and
// the clock and units start from valid choices.
TEST(InstalledDestinationsTest, everyInstalledDestinationLoadsWithItsRegionsGroups)
{
    const char* programDir = std::getenv("ZMP_PROGRAM_DIR");
    ASSERT_NE(programDir, nullptr);
    const std::vector<std::array<bool, 4>> groups{
        {true, false, true, false}, {false, true, false, false}, {true, false, false, false}};
    const std::vector<std::int16_t> weather{3, 0, 3};
    for (int model : {ModelMr4400, ModelMr4400M}) {
        MemorySettingsStore store;
        ProcessFlags flags;
        ErrorLog log{programDir, false};
        FileContext context{model, true, flags, log};
        Records records;
        MemoryImage image;
        DestinationController controller{programDir, store, silentImageLoader(records, image, context)};
        const auto names = DestinationList::names(programDir, model);
        const std::string m = model == ModelMr4400M ? "-M" : "";
        ASSERT_EQ(names, (std::vector<std::string>{"CAN" + m, "INTL" + m, "USA" + m}));
        for (std::size_t k = 0; k < names.size(); ++k) {
            ASSERT_TRUE(newImageWithDestination(model, "t", controller, records, image, flags, names[k]).ok);
            EXPECT_EQ(controller.loadedName(), names[k]);
            for (std::size_t g = 0; g < 4; ++g)
                EXPECT_EQ(records.groups[g].Enable, groups[k][g]) << names[k] << g;
            EXPECT_EQ(records.groups[0].StatusName, "USA");
            EXPECT_EQ(records.groups[1].StatusName, "INTL");
            EXPECT_EQ(records.groups[2].StatusName, "CAN");
            EXPECT_EQ(records.settings[slot::Weater], weather[k]) << names[k];
            EXPECT_EQ(records.settings[slot::OffsetTime], 0) << names[k];
            EXPECT_EQ(records.settings[slot::TimeDisplay], 0) << names[k];
            EXPECT_EQ(records.settings[slot::Sog], 0) << names[k];
            EXPECT_EQ(records.settings[slot::Distance], 0) << names[k];
        }
    }
}

} // namespace
} // namespace zmp
