#include "files/appsettings.h"

#include <gtest/gtest.h>

#include "files/memorysettingsstore.h"

namespace zmp {
namespace {

TEST(AppSettingsTest, defaultsWhenNothingIsStored)
{
    MemorySettingsStore store;
    const AppSettings settings(store);
    EXPECT_EQ(settings.lastModelText(), "1");
    EXPECT_FALSE(settings.hexVisible());
    EXPECT_EQ(settings.rememberedDestination(1), "");
    EXPECT_EQ(settings.comNum(), 1);
    EXPECT_EQ(settings.portDevice(1), "");
}

TEST(AppSettingsTest, writesTheFixedSectionsAndKeys)
{
    MemorySettingsStore store;
    AppSettings settings(store);
    settings.setLastModel(11);
    settings.setRememberedDestination(11, "EU-M");
    settings.setComNum(10);
    settings.setPortDevice(2, "/dev/ttyUSB0");
    settings.storeMainWindowGeometry(1, 2, 9105, 6660);
    EXPECT_EQ(store.value("Settings", "lastmodel", ""), "11");
    EXPECT_EQ(store.value("IniFilePath", "IniFileName_11", ""), "EU-M");
    EXPECT_EQ(store.value("ComPath", "ComNum", ""), "10");
    EXPECT_EQ(store.value("ComPath", "Device2", ""), "/dev/ttyUSB0");
    EXPECT_EQ(store.value("Settings", "MainLeft", ""), "1");
    EXPECT_EQ(store.value("Settings", "MainTop", ""), "2");
    EXPECT_EQ(store.value("Settings", "MainWidth", ""), "9105");
    EXPECT_EQ(store.value("Settings", "MainHeight", ""), "6660");
    EXPECT_EQ(settings.comNum(), 10);
    EXPECT_EQ(settings.rememberedDestination(1), "");
}

TEST(AppSettingsTest, readsBooleanTextsAndIgnoresDamagedNumbers)
{
    MemorySettingsStore store;
    AppSettings settings(store);
    store.setValue("Settings", "hexvisible", "True");
    EXPECT_TRUE(settings.hexVisible());
    store.setValue("Settings", "hexvisible", "-1");
    EXPECT_TRUE(settings.hexVisible());
    store.setValue("Settings", "hexvisible", "0");
    EXPECT_FALSE(settings.hexVisible());
    store.setValue("ComPath", "ComNum", "COM3");
    EXPECT_EQ(settings.comNum(), 1);
    store.setValue("ComPath", "ComNum", "17");
    EXPECT_EQ(settings.comNum(), 17);
}

} // namespace
} // namespace zmp
