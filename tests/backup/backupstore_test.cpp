#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "backup/backupindex.h"
#include "backup/backupstore.h"
#include "backup/transferbackup.h"
#include "support/filebytes.h"
#include "support/scratchfolder.h"

namespace zmp {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

using test::readBytes;
using test::scratchFolder;

int filesIn(const fs::path& folder, const std::string& extension)
{
    int count = 0;
    for (const auto& item : fs::directory_iterator(folder))
        if (item.path().extension() == extension) ++count;
    return count;
}

// 2026-12-08 06:26:10 UTC
const BackupTime::TimePoint Start = BackupTime::TimePoint(1796711170s);

class BackupStoreTest : public ::testing::Test {
  protected:
    BackupStoreTest() : folder(scratchFolder() / "backups"), store(folder, [this] { return now; }) {}

    std::optional<BackupEntry> keepOne(const std::string& mmsi = "123456789")
    {
        BackupEntry entry{"", backupoperation::Read, "MR4400", mmsi, "USA", "/dev/ttyUSB0", "complete", ""};
        return store.keep(entry, image, "[MMSI]\r\nUser MMSI=#" + mmsi + "\r\n");
    }

    fs::path folder;
    BackupTime::TimePoint now = Start;
    BackupStore store;
    MemoryImage image;
};

TEST_F(BackupStoreTest, keepsImageConfigurationAndIndexLine)
{
    image[5] = 0xA5;
    const auto kept = keepOne();
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->name, "20261208-062610_MR4400_123456789_read");
    EXPECT_EQ(kept->time, "2026-12-08T06:26:10Z");
    const std::string bytes = readBytes(store.imagePath(*kept));
    ASSERT_EQ(bytes.size(), 32768u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[5]), 0xA5);
    EXPECT_EQ(readBytes(store.configPath(*kept)), "[MMSI]\r\nUser MMSI=#123456789\r\n");
    EXPECT_EQ(readBytes(folder / BackupStore::IndexName),
              "2026-12-08T06:26:10Z\tread\tMR4400\t123456789\tUSA\t/dev/ttyUSB0\tcomplete\t"
              "20261208-062610_MR4400_123456789_read\n");
}

TEST_F(BackupStoreTest, twoBackupsInOneSecondKeepBothAndAnEmptyMmsiIsNamed)
{
    const auto first = keepOne("");
    const auto second = keepOne("");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->name, "20261208-062610_MR4400_no-MMSI_read");
    EXPECT_EQ(second->name, "20261208-062610_MR4400_no-MMSI_read-2");
    EXPECT_EQ(store.entries().size(), 2u);
    EXPECT_EQ(filesIn(folder, ".hex"), 2);
}

TEST_F(BackupStoreTest, prunesOnlyBackupsOlderThanAYearBeyondTheNewestFifty)
{
    // 40 backups two years old, then 30 a day apart starting 20 days ago.
    now = Start - 2 * BackupStore::MaxAge;
    for (int i = 0; i < 40; ++i, now += 1s)
        ASSERT_TRUE(keepOne());
    now = Start - 20 * 24h;
    for (int i = 0; i < 30; ++i, now += 24h)
        ASSERT_TRUE(keepOne());
    const auto entries = store.entries();
    // 20 of the old ones are among the newest 50 and stay.
    ASSERT_EQ(entries.size(), 50u);
    EXPECT_EQ(entries.front().time, BackupTime::indexText(Start - 2 * BackupStore::MaxAge + 20s));
    EXPECT_EQ(filesIn(folder, ".hex"), 50);
    EXPECT_EQ(filesIn(folder, ".dat"), 50);
}

TEST_F(BackupStoreTest, aFolderThatCannotBeMadeKeepsNothingAndSaysWhy)
{
    fs::create_directories(folder.parent_path());
    std::ofstream(folder) << "a file where the folder should be";
    std::string reason;
    BackupEntry entry{"", backupoperation::Programmed, "MR4400", "", "", "", "failed", ""};
    EXPECT_FALSE(store.keep(entry, image, "text", &reason));
    EXPECT_NE(reason.find(folder.string()), std::string::npos) << reason;
}

TEST(BackupIndex, skipsDamagedLinesAndNamesThatLeaveTheFolder)
{
    const std::string good = "2026-12-08T06:26:10Z\tread\tMR4400\t\tUSA\tCOM3\tcomplete\tgood_name\n";
    const auto entries = BackupIndex::parse(
        good + "too\tfew\tfields\n" + "2026-12-08T06:26:10Z\tread\tMR4400\t\tUSA\tCOM3\tcomplete\t../../x\n" +
        "t\to\tm\tm\td\tp\to\tn\textra\n");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "good_name");
    EXPECT_EQ(entries[0].mmsi, "");
    EXPECT_EQ(BackupIndex::compose(entries), good);
}

TEST(BackupTime, readsBackOnlyWhatItWrites)
{
    EXPECT_EQ(BackupTime::parse(BackupTime::indexText(Start)), Start);
    EXPECT_EQ(BackupTime::fileText(Start), "20261208-062610");
    EXPECT_FALSE(BackupTime::parse("2026-13-08T06:26:10Z"));
    EXPECT_FALSE(BackupTime::parse("2026-12-08 06:26:10"));
}

} // namespace
} // namespace zmp
