#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <unistd.h>

#include "backup/backupindex.h"
#include "backup/backupstore.h"
#include "backup/backuptime.h"
#include "cliradiofixture.h"
#include "files/appsettings.h"
#include "model/models.h"

namespace zmp {
namespace {

namespace fs = std::filesystem;
using test::CliResult;
using test::readBytes;

// The backups zmp-cli keeps of what it reads and programs, and what it
// does so that a read is never lost, against the emulated radio.
class CliBackupTest : public test::CliRadioFixture {
  protected:
    CliBackupTest() { environment.backupDir = backups().string(); }

    fs::path backups() const { return dir / "backups"; }
    std::vector<BackupEntry> entries() const { return BackupStore(backups()).entries(); }
    int filesIn(const std::string& extension) const
    {
        int count = 0;
        if (fs::exists(backups()))
            for (const auto& item : fs::directory_iterator(backups()))
                if (item.path().extension() == extension) ++count;
        return count;
    }
    // A configuration file with this user MMSI.
    void newFileWithMmsi(const std::string& name, const std::string& mmsi)
    {
        ASSERT_EQ(run({"new", path(name)}).status, 0);
        std::string text = readBytes(file(name));
        text.replace(text.find("User MMSI=#"), 11, "User MMSI=#" + mmsi);
        test::writeBytes(file(name), text);
    }
};

TEST_F(CliBackupTest, readAndProgramKeepImageConfigurationAndIndex)
{
    newFileWithMmsi("boat.dat", "366123456");
    startRadio(radioNamed("XYZ"));
    const std::string readDevice = sim->devicePath();
    CliResult result = runRadio({"read", path("radio.dat")});
    ASSERT_EQ(result.status, 0) << result.err;
    startRadio(radiosim::RadioImage::fresh());
    const std::string programDevice = sim->devicePath();
    result = runRadio({"program", path("boat.dat")});
    ASSERT_EQ(result.status, 0) << result.err;

    const auto kept = entries();
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].operation, "read");
    EXPECT_EQ(kept[0].port, readDevice);
    EXPECT_EQ(kept[0].outcome, "complete");
    const std::string destination = AppSettings(store).rememberedDestination(ModelMr4400);
    EXPECT_EQ(kept[0].destination, destination);
    EXPECT_EQ(kept[1].operation, "programmed");
    EXPECT_EQ(kept[1].mmsi, "366123456");
    EXPECT_NE(kept[1].name.find("_MR4400_366123456_programmed"), std::string::npos) << kept[1].name;
    EXPECT_EQ(filesIn(".hex"), 2);
    EXPECT_EQ(filesIn(".dat"), 2);
    // The backup of the read is what was saved; the image is what the radio received.
    EXPECT_EQ(readBytes(BackupStore(backups()).configPath(kept[0])), readBytes(file("radio.dat")));
    const std::string programmed = readBytes(BackupStore(backups()).imagePath(kept[1]));
    const MemoryImage& radio = sim->protocol().memory();
    EXPECT_EQ(programmed.substr(0x0800, 0x3E00),
              std::string(radio.bytes.begin() + 0x0800, radio.bytes.begin() + 0x4600));

    result = run({"backups"});
    EXPECT_EQ(result.status, 0) << result.err;
    std::ostringstream expected;
    for (const auto& entry : kept)
        expected << entry.time << '\t' << entry.operation << "\tMR4400\t"
                 << (entry.mmsi.empty() ? "-" : entry.mmsi) << '\t' << destination << '\t' << entry.port
                 << "\tcomplete\t" << (backups() / (entry.name + ".dat")).string() << '\n';
    EXPECT_EQ(result.out, expected.str());
}

TEST_F(CliBackupTest, noBackupKeepsNothingAndAFailedReadKeepsNothing)
{
    startRadio(radiosim::RadioImage::fresh());
    CliResult result = runRadio({"--no-backup", "read", path("radio.dat")});
    ASSERT_EQ(result.status, 0) << result.err;
    radiosim::SimOptions refusing;
    refusing.faults.refuseLinkMode = true;
    startRadio(radiosim::RadioImage::fresh(), refusing);
    result = runRadio({"read", path("radio.dat")});
    ASSERT_EQ(result.status, 1) << result.err;
    EXPECT_FALSE(fs::exists(backups()));
}

TEST_F(CliBackupTest, aReadPrunesOldBackupsButKeepsTheNewestFifty)
{
    // 60 backups two years old, written as an earlier run would have left them.
    fs::create_directories(backups());
    std::vector<BackupEntry> old;
    const auto then = std::chrono::system_clock::now() - 2 * BackupStore::MaxAge;
    for (int i = 0; i < 60; ++i) {
        const std::string name = "old" + std::to_string(i);
        old.push_back({BackupTime::indexText(then + std::chrono::seconds(i)), "read", "MR4400", "", "USA",
                       "x", "complete", name});
        test::writeBytes(backups() / (name + ".hex"), "h");
        test::writeBytes(backups() / (name + ".dat"), "d");
    }
    test::writeBytes(backups() / BackupStore::IndexName, BackupIndex::compose(old));
    startRadio(radiosim::RadioImage::fresh());
    const CliResult result = runRadio({"read", path("radio.hex")});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto kept = entries();
    ASSERT_EQ(kept.size(), 50u);
    EXPECT_EQ(kept.front().name, "old11");
    EXPECT_EQ(kept.back().operation, "read");
    EXPECT_FALSE(fs::exists(backups() / "old10.hex"));
    EXPECT_TRUE(fs::exists(backups() / "old11.dat"));
    EXPECT_EQ(filesIn(".hex"), 50);
}

// A device or pipe is no file a save can replace.
TEST_F(CliBackupTest, readAndClearRefuseAnOutputTheyCannotWriteBeforeTalkingToTheRadio)
{
    ASSERT_EQ(run({"new", path("a.dat")}).status, 0);
    const std::string missing = path("missing/radio.dat");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"read", missing}, missing + ": No such file or directory"},
        {{"read", "/dev/null"}, "/dev/null: Not a regular file"},
        {{"clear", "waypoint", path("a.dat"), missing}, missing + ": No such file or directory"},
    };
    for (const auto& [args, reason] : cases) {
        startRadio(radiosim::RadioImage::fresh());
        const CliResult result = runRadio(args);
        EXPECT_EQ(result.status, 1) << args[0] << ' ' << args.back();
        EXPECT_EQ(result.err, "zmp-cli: FileSave Error!!\nzmp-cli: " + reason + "\n");
        EXPECT_EQ(sim->stats().computerBytes, 0) << args[0] << ' ' << args.back();
    }
    EXPECT_FALSE(fs::exists(backups()));
}

TEST_F(CliBackupTest, aReadWhoseSaveFailsIsKeptInTheBackupsEvenWithNoBackup)
{
    fs::create_directories(dir / "out");
    // The folder goes away after the check, while the radio is read.
    const auto makePort = environment.makePort;
    environment.makePort = [this, makePort](const std::string& device) {
        fs::remove_all(dir / "out");
        return makePort(device);
    };
    startRadio(radioNamed("XYZ"));
    const CliResult result = runRadio({"--no-backup", "read", path("out/radio.dat")});
    EXPECT_EQ(result.status, 1);
    const auto kept = entries();
    ASSERT_EQ(kept.size(), 1u);
    const std::string where = BackupStore(backups()).configPath(kept[0]).string();
    EXPECT_NE(result.err.find("zmp-cli: FileSave Error!!\n"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("zmp-cli: what was read is kept in " + where + "\n"), std::string::npos)
        << result.err;
    EXPECT_NE(readBytes(where).find("Status name 0=XYZ\r\n"), std::string::npos);
}

TEST_F(CliBackupTest, diffRadioPrintsWhatDiffersFromTheFile)
{
    ASSERT_EQ(run({"new", path("a.dat")}).status, 0);
    startRadio(radioNamed("XYZ"));
    CliResult result = runRadio({"diff", "radio", path("a.dat")});
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_NE(result.out.find(" Status name 0: XYZ -> USA\n"), std::string::npos) << result.out;
    EXPECT_EQ(readBytes(file("a.dat")).find("XYZ"), std::string::npos);

    // The image as the radio held it, kept by the diff above.
    const std::string same = BackupStore(backups()).imagePath(entries().at(0)).string();
    startRadio(radioNamed("XYZ"));
    result = runRadio({"diff", same, "radio"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(run({"diff", "radio", "radio"}).status, 2);
}

// --backup-radio reads the radio before programming it and keeps what it
// held, saying where; it needs the backups.
TEST_F(CliBackupTest, backupRadioKeepsWhatTheRadioHeldBeforeProgramming)
{
    ASSERT_EQ(run({"new", path("a.dat")}).status, 0);
    EXPECT_EQ(run({"--no-backup", "--backup-radio", "program", path("a.dat")}).status, 2);
    startRadio(radioNamed("OLD"));
    const CliResult result = runRadio({"--backup-radio", "program", path("a.dat")});
    EXPECT_EQ(result.status, 0) << result.err;
    const auto kept = entries();
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].operation, "radio-copy");
    EXPECT_EQ(kept[1].operation, "programmed");
    const std::string copy = BackupStore(backups()).configPath(kept[0]).string();
    EXPECT_NE(result.err.find("zmp-cli: what the radio held is kept in " + copy + "\n"), std::string::npos)
        << result.err;
    EXPECT_NE(readBytes(copy).find("Status name 0=OLD\r\n"), std::string::npos);
    const MemoryImage& radio = sim->protocol().memory();
    EXPECT_EQ(std::string(radio.bytes.begin() + 307, radio.bytes.begin() + 310), "USA");
}

// A backups folder the user may not search, read or write costs the
// transfer nothing: the read's file is written, the program completes,
// and the reason is told once.
class CliBackupFolderTest : public CliBackupTest, public ::testing::WithParamInterface<fs::perms> {};

TEST_P(CliBackupFolderTest, unusableFolderIsToldOnceAndTheTransferGoesOn)
{
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
    ASSERT_EQ(run({"new", path("a.dat")}).status, 0);
    fs::create_directories(backups());
    fs::permissions(backups(), GetParam());
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"read", path("radio.hex")}, {"program", path("a.dat")}}) {
        startRadio(radiosim::RadioImage::fresh());
        const CliResult result = runRadio(args);
        EXPECT_EQ(result.status, 0) << result.err;
        const std::string told = "zmp-cli: no backup kept: " + backups().string();
        const std::size_t at = result.err.find(told);
        EXPECT_NE(at, std::string::npos) << result.err;
        EXPECT_EQ(result.err.find(told, at + 1), std::string::npos) << result.err;
    }
    fs::permissions(backups(), fs::perms::owner_all);
    EXPECT_EQ(readBytes(file("radio.hex")).size(), 32768u);
}

INSTANTIATE_TEST_SUITE_P(Modes, CliBackupFolderTest,
                         ::testing::Values(fs::perms::owner_read | fs::perms::owner_write,
                                           fs::perms::owner_read | fs::perms::owner_exec));

} // namespace
} // namespace zmp
