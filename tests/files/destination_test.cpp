#include "files/destinationcontroller.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "files/destinationlist.h"
#include "files/memorysettingsstore.h"
#include "model/models.h"
#include "support/filebytes.h"
#include "support/scratchfolder.h"

namespace zmp {
namespace {

class DestinationTest : public ::testing::Test {
  protected:
    std::filesystem::path dir = test::scratchFolder();
    MemorySettingsStore store;
    std::vector<std::string> loaded; // file names handed to the loader
    bool loadSucceeds = true;
    DestinationController controller{dir, store, [this](const std::filesystem::path& file) {
                                         loaded.push_back(file.filename().string());
                                         return loadSucceeds && std::filesystem::exists(file);
                                     }};

    void files(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            test::writeBytes(dir / name, "image");
    }
    std::vector<std::string> captions() const
    {
        std::vector<std::string> result;
        for (const auto& item : controller.menu().items)
            if (item.visible) result.push_back(item.caption);
        return result;
    }
};

TEST_F(DestinationTest, menuIsSortedWithoutRegardToCaseAndFindsLowerCaseFiles)
{
    files({"USA_1130.ini", "intl_1130.ini", "CAN_1130.ini", "readme.txt", "global.ini"});
    store.setValue("IniFilePath", "IniFileName_1", "INTL");
    const FileOutcome outcome = controller.loadListAndRemembered(ModelMr4400, "PC Program for MR4400");
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.message.text, "");
    EXPECT_EQ(captions(), (std::vector<std::string>{"CAN", "INTL", "USA"}));
    EXPECT_TRUE(controller.menu().enabled);
    EXPECT_EQ(loaded, std::vector<std::string>{"intl_1130.ini"});
    EXPECT_EQ(controller.menu().checkedItem(), 1);
    EXPECT_EQ(controller.loadedName(), "INTL");
    EXPECT_EQ(store.value("IniFilePath", "IniFileName_1", ""), "INTL");
}

TEST_F(DestinationTest, onlyTheFirstTenFilesAreListed)
{
    std::set<std::string> all;
    for (int n = 0; n < 12; ++n) {
        const std::string name = "D" + std::to_string(n);
        test::writeBytes(dir / (name + "_1130.ini"), "image");
        all.insert(name);
    }
    ASSERT_TRUE(controller.loadListAndRemembered(ModelMr4400, "t").ok);
    const auto shown = captions();
    ASSERT_EQ(shown.size(), 10u);
    for (const auto& name : shown)
        EXPECT_TRUE(all.count(name)) << name;
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    EXPECT_FALSE(controller.menu().items[10].visible);
    EXPECT_EQ(controller.menu().items[10].caption, "");
}

TEST_F(DestinationTest, removedRememberedDestinationIsReplacedByTheFirstAndStored)
{
    files({"USA_1130.ini", "CAN_1130.ini"});
    store.setValue("IniFilePath", "IniFileName_1", "EU");
    ASSERT_TRUE(controller.loadListAndRemembered(ModelMr4400, "t").ok);
    EXPECT_EQ(store.value("IniFilePath", "IniFileName_1", ""), "CAN");
    EXPECT_EQ(loaded, std::vector<std::string>{"CAN_1130.ini"});
    EXPECT_TRUE(controller.menu().items[0].checked);
}

TEST_F(DestinationTest, modelMNamesKeepTheirEndingAndReadTheirOwnFiles)
{
    files({"EU-M_1130.ini", "USA_1130.ini"});
    ASSERT_TRUE(controller.loadListAndRemembered(ModelMr4400M, "t").ok);
    EXPECT_EQ(captions(), std::vector<std::string>{"EU-M"});
    EXPECT_EQ(loaded, std::vector<std::string>{"EU-M_1130.ini"});
    EXPECT_EQ(store.value("IniFilePath", "IniFileName_11", ""), "EU-M");
    EXPECT_EQ(DestinationList::fileNameOf("EU-M", ModelMr4400M), "EU-M_1130.ini");
    EXPECT_EQ(DestinationList::fileNameOf("-M", ModelMr4400M), "-M-M_1130.ini");
}

// Every model reads back the file its names come from, whatever the mark
// of its row.
TEST_F(DestinationTest, everyModelsNameLeadsBackToItsFile)
{
    for (const ModelTraits& model : Models) {
        const std::string file = "EU" + destinationSuffix(model.number) + ".ini";
        EXPECT_EQ(DestinationList::fileNameOf(DestinationList::nameOfFile(file), model.number), file)
            << model.name;
    }
}

TEST_F(DestinationTest, modelOneDoesNotListTheModelMFiles)
{
    files({"EU-M_1130.ini", "USA_1130.ini", "usa-m_1130.INI"});
    ASSERT_TRUE(controller.loadListAndRemembered(ModelMr4400, "t").ok);
    EXPECT_EQ(captions(), std::vector<std::string>{"USA"});
}

TEST_F(DestinationTest, noFileLeavesTheMenuDisabledWithAWarning)
{
    files({"USA_1130.txt"});
    const FileOutcome outcome = controller.loadListAndRemembered(ModelMr4400, "PC Program for MR4400");
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.message.text, "Ini files are not found!!");
    EXPECT_EQ(outcome.message.title, "PC Program for MR4400");
    EXPECT_EQ(outcome.message.icon, MessageIcon::Warning);
    EXPECT_FALSE(controller.menu().enabled);
    EXPECT_TRUE(loaded.empty());
    EXPECT_FALSE(store.contains("IniFilePath", "IniFileName_1"));
}

TEST_F(DestinationTest, unreadableDestinationAtStartLeavesItUnchecked)
{
    files({"USA_1130.ini"});
    loadSucceeds = false;
    const FileOutcome outcome = controller.loadListAndRemembered(ModelMr4400, "PC Program for MR4400");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message.text, "Ini file read Error!!");
    EXPECT_EQ(outcome.message.title, "PC Program for MR4400");
    EXPECT_EQ(controller.menu().checkedItem(), -1);
    EXPECT_TRUE(controller.menu().enabled);
}

TEST_F(DestinationTest, chosenNameIsLoadedWithoutBeingRemembered)
{
    files({"USA_1130.ini", "CAN_1130.ini"});
    store.setValue("IniFilePath", "IniFileName_1", "USA");
    ASSERT_TRUE(controller.loadListAndRemembered(ModelMr4400, "t", std::string("can")).ok);
    EXPECT_EQ(controller.loadedName(), "CAN");
    EXPECT_EQ(store.value("IniFilePath", "IniFileName_1", ""), "USA");
    EXPECT_EQ(controller.loadListAndRemembered(ModelMr4400, "t", std::string("EU")).message.text,
              "Ini file read Error!!");
}

TEST_F(DestinationTest, selectingRemembersTheDestinationOnSuccessOnly)
{
    files({"USA_1130.ini", "CAN_1130.ini", "INTL_1130.ini"});
    ASSERT_TRUE(controller.loadListAndRemembered(ModelMr4400, "t").ok);
    ASSERT_EQ(controller.loadedName(), "CAN");
    EXPECT_TRUE(controller.select(2, ModelMr4400, "t").ok);
    EXPECT_EQ(controller.menu().checkedItem(), 2);
    EXPECT_EQ(store.value("IniFilePath", "IniFileName_1", ""), "USA");

    std::filesystem::remove(dir / "INTL_1130.ini");
    const FileOutcome outcome = controller.select(1, ModelMr4400, "PC Program for MR4400");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message.text, "IniFileRead Error!!");
    EXPECT_EQ(outcome.message.icon, MessageIcon::Warning);
    EXPECT_EQ(controller.menu().checkedItem(), 2);
    EXPECT_EQ(store.value("IniFilePath", "IniFileName_1", ""), "USA");
    EXPECT_FALSE(controller.select(5, ModelMr4400, "t").ok);
    EXPECT_EQ(controller.menu().checkedItem(), 2);
}

TEST(DestinationListTest, shellSortOrdersWithoutRegardToCase)
{
    std::vector<std::string> names{"usa", "Can", "INTL", "b", "A", "can2", "Z", "m"};
    DestinationList::sortIgnoringCase(names);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "b", "Can", "can2", "INTL", "m", "usa", "Z"}));
    EXPECT_EQ(DestinationList::nameOfFile("intl_x_1130.ini"), "INTL");
    EXPECT_EQ(DestinationList::fileNameOf("USA", ModelMr4400), "USA_1130.ini");
}

} // namespace
} // namespace zmp
