#include "platform/qtsettingsstore.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "files/appsettings.h"

namespace zmp {
namespace {

// Each test gets its own application name inside the scratch
// configuration folder, so no test sees another's values.
class QtSettingsStoreTest : public ::testing::Test {
  protected:
    QString application =
        QString("settings-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    void SetUp() override
    {
        QFile::remove(QString::fromStdString(QtSettingsStore("ZMP", application).location()));
    }
};

TEST_F(QtSettingsStoreTest, livesUnderTheIsolatedConfigurationFolder)
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    ASSERT_NE(config, nullptr);
    QtSettingsStore store("ZMP", application);
    store.setValue("Settings", "lastmodel", "11");
    const std::string location = store.location();
    EXPECT_EQ(location.rfind(config, 0), 0u) << location;
    EXPECT_TRUE(std::filesystem::exists(location));
}

TEST_F(QtSettingsStoreTest, valuesSurviveANewStoreAndMissingOnesGiveTheFallback)
{
    {
        QtSettingsStore store("ZMP", application);
        AppSettings settings(store);
        settings.setLastModel(11);
        settings.setRememberedDestination(11, "USA-M");
        settings.setComNum(10);
        store.setValue("ComPath", "Device10", "/dev/pts/7");
    }
    QtSettingsStore reopened("ZMP", application);
    const AppSettings settings(reopened);
    EXPECT_EQ(settings.lastModelText(), "11");
    EXPECT_EQ(settings.rememberedDestination(11), "USA-M");
    EXPECT_EQ(settings.rememberedDestination(1), "");
    EXPECT_EQ(settings.comNum(), 10);
    EXPECT_EQ(settings.portDevice(10), "/dev/pts/7");
    EXPECT_EQ(reopened.value("Settings", "hexvisible", "fallback"), "fallback");
}

TEST_F(QtSettingsStoreTest, aWriteIsSeenByAStoreAlreadyOpen)
{
    QtSettingsStore reader("ZMP", application);
    EXPECT_EQ(reader.value("Settings", "lastmodel", "1"), "1");
    QtSettingsStore("ZMP", application).setValue("Settings", "lastmodel", "2");
    EXPECT_EQ(reader.value("Settings", "lastmodel", "1"), "2");
}

TEST_F(QtSettingsStoreTest, textsWithCommasAndSpacesComeBackUnchanged)
{
    QtSettingsStore("ZMP", application).setValue("IniFilePath", "IniFileName_1", " A, B ");
    EXPECT_EQ(QtSettingsStore("ZMP", application).value("IniFilePath", "IniFileName_1", ""), " A, B ");
    std::ofstream(QtSettingsStore("ZMP", application).location(), std::ios::app) << "[Edited]\nlist=a, b\n";
    EXPECT_EQ(QtSettingsStore("ZMP", application).value("Edited", "list", ""), "a, b");
}

// A FIFO where the settings file belongs would make every read wait for a
// writer: the store leaves it alone, says why, and keeps values in memory.
TEST_F(QtSettingsStoreTest, aSettingsFileThatIsAFifoIsNeverOpened)
{
    const std::string file =
        std::string(std::getenv("XDG_CONFIG_HOME")) + "/ZMP/" + application.toStdString() + ".conf";
    std::filesystem::create_directories(std::filesystem::path(file).parent_path());
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    QtSettingsStore store("ZMP", application);
    EXPECT_EQ(store.problem(), file + ": Not a regular file");
    EXPECT_EQ(store.value("Settings", "lastmodel", "1"), "1");
    store.setValue("Settings", "lastmodel", "11");
    EXPECT_EQ(store.value("Settings", "lastmodel", "1"), "11");
    EXPECT_TRUE(std::filesystem::is_fifo(file));
    std::filesystem::remove(file);
}

} // namespace
} // namespace zmp
