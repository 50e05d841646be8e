#include "files/modelscan.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "files/memorysettingsstore.h"
#include "support/filebytes.h"
#include "support/scratchfolder.h"
#include "support/systemerror.h"

namespace zmp {
namespace {

class ModelScanTest : public ::testing::Test {
  protected:
    std::string path = (test::scratchFolder() / "global.ini").string();
    MemorySettingsStore store;
    ModelSelection selection;

    FileOutcome start(const std::string& ini)
    {
        test::writeBytes(path, ini);
        return ModelScan::selectAtStartup(path, store, "ZMP", selection);
    }
};

TEST_F(ModelScanTest, oneModelOfferedKeepsTheModelMenuHidden)
{
    // Nothing stored: "lastmodel" defaults to 1.
    ASSERT_TRUE(start("[model1]\nuse=1\natis=True\n").ok);
    EXPECT_EQ(selection.offeredCount, 1);
    EXPECT_FALSE(selection.editMenuVisible);
    EXPECT_EQ(selection.model, 1);
    EXPECT_EQ(selection.title, "PC Program for MR4400");
    EXPECT_TRUE(selection.atis);
    EXPECT_TRUE(selection.items[0].offered);
    EXPECT_TRUE(selection.items[0].checked);
    EXPECT_EQ(selection.items[0].caption, "MR4400");
}

TEST_F(ModelScanTest, anOtherValueSkipsTheModelButGoesOn)
{
    ASSERT_TRUE(start("[model1]\nuse=0\n[model2]\nuse=1\n").ok);
    EXPECT_FALSE(selection.items[0].offered);
    EXPECT_TRUE(selection.items[1].offered);
    EXPECT_EQ(selection.items[1].caption, "");
    EXPECT_EQ(selection.model, 2);
    EXPECT_EQ(selection.modelName, "Unknown model");
    EXPECT_FALSE(selection.atis);
}

TEST_F(ModelScanTest, aMissingSectionEndsTheScan)
{
    ASSERT_TRUE(start("[model1]\nuse=1\n[model3]\nuse=1\n").ok);
    EXPECT_EQ(selection.offeredCount, 1);
    EXPECT_FALSE(selection.items[2].offered);
    EXPECT_EQ(selection.model, 1);
}

TEST_F(ModelScanTest, numericFormsOfOneOfferTheModel)
{
    store.setValue("Settings", "lastmodel", "7");
    ASSERT_TRUE(
        start("[model1]\nuse=#1\n[model2]\nuse=1.0\n[model3]\nuse= 1 \n[model4]\nuse=2\n[model5]\nuse=x\n")
            .ok);
    EXPECT_EQ(selection.offeredCount, 3);
    EXPECT_TRUE(selection.editMenuVisible);
    EXPECT_FALSE(selection.items[3].offered);
    EXPECT_EQ(selection.model, 3);
}

TEST_F(ModelScanTest, noOfferedModelOrNoFileIsUnknownModel)
{
    const FileOutcome outcome = ModelScan::selectAtStartup(path, store, "ZMP", selection);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message.text, "Unknown model!!");
    EXPECT_EQ(outcome.message.title, "ZMP");
    EXPECT_EQ(outcome.message.icon, MessageIcon::Critical);
    EXPECT_FALSE(start("[model1]\nuse=0\n[model2]\nuse=\n[model3]\nuse=1\n").ok);
}

TEST_F(ModelScanTest, unknownModelSaysWhyWithThePath)
{
    EXPECT_EQ(ModelScan::selectAtStartup(path, store, "ZMP", selection).message.detail,
              path + ": " + test::missingFileError().text);
    EXPECT_EQ(start("[model1]\nuse=0\n").message.detail,
              path + ": No model offered (\"use=1\" in [model1] to [model10])");
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    const FileOutcome folder = ModelScan::selectAtStartup(path, store, "ZMP", selection);
    EXPECT_EQ(folder.message.text, "Unknown model!!");
    EXPECT_EQ(folder.message.detail, path + ": " + std::strerror(EISDIR));
}

TEST_F(ModelScanTest, lastModelIsRestoredOnlyWhenItsItemIsOffered)
{
    const std::string ini = "[model1]\nuse=1\n[model2]\nuse=1\n[model3]\nuse=1\n";
    store.setValue("Settings", "lastmodel", "2");
    ASSERT_TRUE(start(ini).ok);
    EXPECT_EQ(selection.model, 2);
    EXPECT_TRUE(selection.items[1].checked);
    EXPECT_FALSE(selection.items[2].checked);
    for (const char* ignored : {"4", "0", "-1", "abc", ""}) {
        store.setValue("Settings", "lastmodel", ignored);
        ASSERT_TRUE(start(ini).ok);
        EXPECT_EQ(selection.model, 3) << ignored;
    }
}

TEST_F(ModelScanTest, lastModelTenIsNeverRestored)
{
    std::string ini;
    for (int n = 1; n <= 10; ++n)
        ini += "[model" + std::to_string(n) + "]\nuse=1\n";
    store.setValue("Settings", "lastmodel", "10");
    ASSERT_TRUE(start(ini).ok);
    EXPECT_EQ(selection.model, 10);
    store.setValue("Settings", "lastmodel", "9");
    ASSERT_TRUE(start(ini).ok);
    EXPECT_EQ(selection.model, 9);
    store.setValue("Settings", "lastmodel", "10");
    ASSERT_TRUE(start("[model1]\nuse=1\n[model2]\nuse=1\n").ok);
    EXPECT_EQ(selection.model, 2);
}

TEST_F(ModelScanTest, atisFlagAcceptsBooleansAndNumbers)
{
    test::writeBytes(path,
                     "[model1]\natis=True\n[model2]\natis=0\n[model3]\natis=-1\n[model4]\natis=maybe\n");
    EXPECT_TRUE(ModelScan::atisFlag(path, 1));
    EXPECT_FALSE(ModelScan::atisFlag(path, 2));
    EXPECT_TRUE(ModelScan::atisFlag(path, 3));
    EXPECT_FALSE(ModelScan::atisFlag(path, 4));
    EXPECT_FALSE(ModelScan::atisFlag(path, 11));
}

TEST_F(ModelScanTest, switchingStoresTheNewModel)
{
    store.setValue("Settings", "lastmodel", "5");
    ASSERT_TRUE(start("[model1]\nuse=1\natis=1\n[model2]\nuse=1\natis=0\n").ok);
    ASSERT_EQ(selection.model, 2);
    EXPECT_FALSE(ModelScan::switchTo(1, path, store, selection));
    EXPECT_EQ(store.value("Settings", "lastmodel", ""), "5");
    EXPECT_TRUE(ModelScan::switchTo(0, path, store, selection));
    EXPECT_EQ(selection.model, 1);
    EXPECT_TRUE(selection.atis);
    EXPECT_TRUE(selection.items[0].checked);
    EXPECT_FALSE(selection.items[1].checked);
    EXPECT_EQ(store.value("Settings", "lastmodel", ""), "1");
}

} // namespace
} // namespace zmp
