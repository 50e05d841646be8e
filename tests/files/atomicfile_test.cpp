#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#include <sys/stat.h>
#endif

#include <csignal>
#include <cstring>
#include <filesystem>

#include "datafiletestsupport.h"
#include "files/atomicfile.h"
#include "support/systemerror.h"

namespace zmp {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::scratchFolder;
using test::writeBytes;

int entriesIn(const fs::path& folder)
{
    return static_cast<int>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(AtomicFile, writesNewFileWithExactBytes)
{
    const fs::path target = scratchFolder() / "new.bin";
    const std::string bytes("a\0b\r\nc\xff", 7);
    ASSERT_TRUE(writeFileAtomically(target.string(), bytes));
    EXPECT_EQ(readBytes(target), bytes);
    EXPECT_EQ(entriesIn(target.parent_path()), 1);
}

TEST(AtomicFile, replacesLongerFileWithExactlyTheNewBytes)
{
    const fs::path target = scratchFolder() / "old.dat";
    writeBytes(target, std::string(5000, 'x'));
    ASSERT_TRUE(writeFileAtomically(target.string(), "short"));
    EXPECT_EQ(readBytes(target), "short");
}

#ifndef _WIN32
TEST(AtomicFile, keepsPermissionBitsOfReplacedFile)
{
    const fs::path target = scratchFolder() / "mode.dat";
    writeBytes(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(writeFileAtomically(target.string(), "new"));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}
#else
// Windows files have attributes where POSIX files have permission bits.
TEST(AtomicFile, keepsAttributesOfReplacedFile)
{
    const fs::path target = scratchFolder() / "hidden.dat";
    writeBytes(target, "old");
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(writeFileAtomically(target.string(), "new"));
    EXPECT_EQ(readBytes(target), "new");
    EXPECT_NE(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

TEST(AtomicFile, readOnlyFileStaysAsItIs)
{
    const fs::path target = scratchFolder() / "readonly.dat";
    writeBytes(target, "old");
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    FileError error;
    EXPECT_FALSE(writeFileAtomically(target.string(), "new", &error));
    EXPECT_EQ(error.number, EACCES);
    EXPECT_EQ(readBytes(target), "old");
    EXPECT_NE(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(entriesIn(target.parent_path()), 1) << "no temporary file may be left behind";
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
}
#endif

#ifndef _WIN32
TEST(AtomicFile, writesThroughSymbolicLink)
{
    const fs::path folder = scratchFolder();
    writeBytes(folder / "real.dat", "old");
    fs::create_symlink(folder / "real.dat", folder / "link.dat");
    ASSERT_TRUE(writeFileAtomically((folder / "link.dat").string(), "new"));
    EXPECT_TRUE(fs::is_symlink(folder / "link.dat"));
    EXPECT_EQ(readBytes(folder / "real.dat"), "new");

    fs::create_symlink(folder / "gone.dat", folder / "dangling.dat");
    FileError error;
    EXPECT_FALSE(writeFileAtomically((folder / "dangling.dat").string(), "new", &error));
    EXPECT_EQ(error.description, "not writing through dangling symlink");
    EXPECT_TRUE(fs::is_symlink(folder / "dangling.dat"));
    EXPECT_FALSE(fs::exists(folder / "gone.dat"));
}
#endif

TEST(AtomicFile, targetThatIsAFolderIsLeftAloneAndReported)
{
    const fs::path folder = scratchFolder();
    fs::create_directory(folder / "taken");
    writeBytes(folder / "taken" / "inside.txt", "keep");
    FileError error;
    EXPECT_FALSE(writeFileAtomically((folder / "taken").string(), "bytes", &error));
    EXPECT_EQ(error.number, EISDIR);
    EXPECT_EQ(error.logText(), std::to_string(EISDIR) + std::strerror(EISDIR));
    EXPECT_EQ(readBytes(folder / "taken" / "inside.txt"), "keep");
    EXPECT_EQ(entriesIn(folder), 1) << "no temporary file may be left behind";
}

TEST(AtomicFile, folderThatIsARegularFileFails)
{
    const fs::path folder = scratchFolder();
    writeBytes(folder / "plain", "keep");
    FileError error;
    EXPECT_FALSE(writeFileAtomically((folder / "plain" / "out.dat").string(), "bytes", &error));
    EXPECT_EQ(error.number, test::pathThroughFileError().number);
    EXPECT_EQ(error.description, test::pathThroughFileError().text);
    EXPECT_EQ(readBytes(folder / "plain"), "keep");
}

#ifndef _WIN32
// A file-size limit makes the write fail halfway even for root, as a full disk would.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(AtomicFile, writeFailingHalfwayKeepsTheOldFile)
{
    const fs::path target = scratchFolder() / "config.dat";
    writeBytes(target, "previous content");
    FileError error;
    {
        const FileSizeLimit limit(1000);
        EXPECT_FALSE(writeFileAtomically(target.string(), std::string(100000, 'n'), &error));
    }
    EXPECT_EQ(error.number, EFBIG);
    EXPECT_EQ(readBytes(target), "previous content");
    EXPECT_EQ(entriesIn(target.parent_path()), 1);
}
#endif

} // namespace
} // namespace zmp
