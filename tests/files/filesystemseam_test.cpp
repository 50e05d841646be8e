#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>

#include "datafiletestsupport.h"
#include "failingfilesystem.h"
#include "files/atomicfile.h"
#include "files/filereading.h"
#include "files/temporaryname.h"

namespace zmp {
namespace {

namespace fs = std::filesystem;
using datatest::FailingFileSystem;
using test::readBytes;
using test::scratchFolder;
using test::writeBytes;

int entriesIn(const fs::path& folder)
{
    return static_cast<int>(std::distance(fs::directory_iterator(folder), {}));
}

// Every step of a save can fail; each failure leaves the old file exactly
// as it was, nothing beside it, and says why.
TEST(FileSystemSeam, eachFailingStepOfASaveKeepsTheOldFileAndLeavesNothing)
{
    for (const char* call :
         {"status", "mayWrite", "createTemporary", "write", "takeAttributesOf", "sync", "replace"}) {
        SCOPED_TRACE(call);
        const fs::path target = scratchFolder() / "boat.dat";
        writeBytes(target, "previous");
        FailingFileSystem system;
        system.failing = {call};
        system.errorNumber = ENOSPC;
        FileError error;
        EXPECT_FALSE(writeFileAtomically(target.string(), "replacement", &error));
        EXPECT_TRUE(system.called.count(call)) << "the step was never reached";
        EXPECT_EQ(error.number, ENOSPC);
        EXPECT_EQ(readBytes(target), "previous");
        EXPECT_EQ(entriesIn(target.parent_path()), 1);
    }
}

TEST(FileSystemSeam, targetTheUserMayNotWriteIsRefusedWithTheReason)
{
    const fs::path target = scratchFolder() / "locked.dat";
    writeBytes(target, "previous");
    FailingFileSystem system;
    system.failing = {"mayWrite"};
    system.errorNumber = EACCES;
    FileError error;
    EXPECT_FALSE(writeFileAtomically(target.string(), "replacement", &error));
    EXPECT_EQ(error.reasonFor("locked.dat"), "locked.dat: " + std::string(std::strerror(EACCES)));
    EXPECT_FALSE(system.called.count("createTemporary"));
    EXPECT_EQ(readBytes(target), "previous");
}

// Someone else's file that the user may write keeps its owner: it is
// written in place instead of being replaced by a file of the user's.
TEST(FileSystemSeam, fileWhoseOwnerCannotBeKeptIsWrittenInPlace)
{
    const fs::path target = scratchFolder() / "shared.dat";
    writeBytes(target, "a longer previous content");
    FailingFileSystem system;
    system.failing = {"takeAttributesOf"};
    system.errorNumber = EPERM;
    ASSERT_TRUE(writeFileAtomically(target.string(), "new"));
    EXPECT_TRUE(system.called.count("overwrite"));
    EXPECT_FALSE(system.called.count("replace"));
    EXPECT_EQ(readBytes(target), "new");
    EXPECT_EQ(entriesIn(target.parent_path()), 1);
}

// Only files that are provably ours and left over: our name, a minute
// old, their process gone. Another program's file of a like name stays.
TEST(FileSystemSeam, staleTemporaryFilesOfGoneProcessesAreRemovedByTheNextSave)
{
    const fs::path folder = scratchFolder();
    FailingFileSystem system;
    const int gone = 4'000'000;
    system.goneProcesses = {gone};
    const std::string stale = TemporaryName::beside((folder / "boat.dat").string(), gone, 7);
    const std::string otherStale = TemporaryName::beside((folder / "other.hex").string(), gone, 0);
    const std::string young = TemporaryName::beside((folder / "boat.dat").string(), gone, 8);
    const std::string live = TemporaryName::beside((folder / "boat.dat").string(), system.processId(), 99);
    const std::string foreign = (folder / (".boat.dat." + std::to_string(gone) + "-7.tmp")).string();
    const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const std::string& name : {stale, otherStale, young, live, foreign}) {
        writeBytes(name, "left over");
        if (name != young) fs::last_write_time(name, anHourAgo);
    }
    ASSERT_TRUE(writeFileAtomically((folder / "boat.dat").string(), "new"));
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_FALSE(fs::exists(otherStale));
    EXPECT_TRUE(fs::exists(young)) << "a save may still be renaming it";
    EXPECT_TRUE(fs::exists(live)) << "a live process's file is never touched";
    EXPECT_TRUE(fs::exists(foreign)) << "another program's file is never touched";
}

TEST(FileSystemSeam, temporaryNamesAreRecognisedOnlyWhenTheyAreOurs)
{
    EXPECT_EQ(TemporaryName::ownerOf(".zmp-boat.dat.1234-5.tmp"), 1234);
    EXPECT_EQ(TemporaryName::ownerOf(".zmp-a.b.c.77-0.tmp"), 77);
    EXPECT_FALSE(TemporaryName::ownerOf(".boat.dat.1234-5.tmp"));
    EXPECT_FALSE(TemporaryName::ownerOf("zmp-boat.dat.1234-5.tmp"));
    EXPECT_FALSE(TemporaryName::ownerOf(".zmp-boat.dat.12x4-5.tmp"));
    EXPECT_FALSE(TemporaryName::ownerOf(".zmp-boat.dat.1234-.tmp"));
    EXPECT_FALSE(TemporaryName::ownerOf(".zmp-.1234-5.tmp"));
    EXPECT_FALSE(TemporaryName::ownerOf(".zmp-boat.dat.1234-5.tmp.bak"));
}

TEST(FileSystemSeam, failingReadsAndStatusReachTheCaller)
{
    const fs::path target = scratchFolder() / "boat.dat";
    writeBytes(target, "content");
    FailingFileSystem system;
    system.failing = {"readChunks", "status"};
    system.errorNumber = EIO;
    FileError error;
    EXPECT_FALSE(readFileChunks(
        target.string(), 16, [](std::string_view) { return true; }, error));
    EXPECT_EQ(error.number, EIO);
    error = {};
    EXPECT_EQ(regularFileSize(target.string(), error), -1);
    EXPECT_EQ(error.number, EIO);
}

TEST(FileSystemSeam, wideCharacterNamesAreWrittenAndRead)
{
    const std::string name = "b\xC3\xA5t-\xE2\x82\xAC.dat"; // "båt-€.dat" in UTF-8
    const fs::path folder = scratchFolder();
    const std::u8string base = folder.u8string();
    const std::string path = std::string(base.begin(), base.end()) + "/" + name;
    ASSERT_TRUE(writeFileAtomically(path, "bytes"));
    std::string read;
    FileError error;
    ASSERT_TRUE(readFileChunks(
        path, 4,
        [&read](std::string_view chunk) {
            read.append(chunk);
            return true;
        },
        error));
    EXPECT_EQ(read, "bytes");
    EXPECT_TRUE(fs::exists(folder / fs::path(std::u8string(name.begin(), name.end()))));
}

} // namespace
} // namespace zmp
