#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "datafiletestsupport.h"
#include "failingfilesystem.h"
#include "files/atomicfile.h"
#include "files/posixnameguard.h"
#include "support/sharedscratchfolder.h"
#include "support/waitfor.h"

namespace zmp {
namespace {

namespace fs = std::filesystem;
using datatest::FailingFileSystem;
using test::readBytes;
using test::scratchFolder;
using test::writeBytes;

constexpr uid_t Nobody = 65534;

int entriesIn(const fs::path& folder)
{
    return static_cast<int>(std::distance(fs::directory_iterator(folder), {}));
}

// Runs body in a child process as an ordinary user (the tests may run as
// root, who may write anything) and returns its exit status.
int asOrdinaryUser(const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)) ::_exit(100);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(AtomicFilePosix, readOnlyTargetOfAnOrdinaryUserStaysAsItIs)
{
    const test::SharedScratchFolder shared;
    const fs::path& folder = shared.path();
    if (asOrdinaryUser([&folder] { return ::access(folder.c_str(), W_OK | X_OK) == 0 ? 0 : 1; }) != 0)
        GTEST_SKIP() << "an ordinary user cannot reach " << folder;
    const fs::path target = folder / "readonly.dat";
    const int status = asOrdinaryUser([&target] {
        writeBytes(target, "previous");
        fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        FileError error;
        if (writeFileAtomically(target.string(), "replacement", &error)) return 1;
        return error.number == EACCES ? 0 : 2;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readBytes(target), "previous");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(entriesIn(folder), 1);
}

TEST(AtomicFilePosix, replacedFileKeepsItsOwner)
{
    if (::geteuid() != 0) GTEST_SKIP() << "giving a file to another user needs root";
    const fs::path target = scratchFolder() / "shared.dat";
    writeBytes(target, "previous");
    ASSERT_EQ(::chown(target.c_str(), Nobody, Nobody), 0);
    ASSERT_TRUE(writeFileAtomically(target.string(), "replacement"));
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, Nobody);
    EXPECT_EQ(info.st_gid, Nobody);
    EXPECT_EQ(readBytes(target), "replacement");
}

// A save killed halfway through its write leaves the old file and nothing else.
TEST(AtomicFilePosix, killedSaveLeavesNothingBehind)
{
    const fs::path target = scratchFolder() / "boat.dat";
    writeBytes(target, "previous");
    const pid_t child = ::fork();
    if (child == 0) {
        FailingFileSystem system;
        system.duringWrite = [] { ::raise(SIGKILL); };
        writeFileAtomically(target.string(), "replacement");
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(readBytes(target), "previous");
    EXPECT_EQ(entriesIn(target.parent_path()), 1);
}

// A save killed while its temporary file has a name leaves no file: the
// guard's watcher takes the name away. A released guard leaves it.
TEST(AtomicFilePosix, aNameGuardRemovesTheNameWhenItsProcessIsKilled)
{
    const fs::path folder = scratchFolder();
    const fs::path named = folder / ".zmp-boat.dat.1-1.tmp";
    const fs::path released = folder / ".zmp-boat.dat.1-2.tmp";
    const pid_t child = ::fork();
    if (child == 0) {
        {
            const PosixNameGuard guard(released.string());
            writeBytes(released, "renamed in time");
        }
        const PosixNameGuard guard(named.string());
        writeBytes(named, "half a save");
        ::raise(SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_TRUE(test::waitFor([&named] { return !fs::exists(named); }));
    EXPECT_TRUE(fs::exists(released));
}

TEST(AtomicFilePosix, aFifoIsNeverWrittenInto)
{
    const fs::path fifo = scratchFolder() / "pipe.dat";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    FileError error;
    EXPECT_FALSE(writeFileAtomically(fifo.string(), "bytes", &error));
    EXPECT_EQ(error.description, "Not a regular file");
    EXPECT_TRUE(fs::is_fifo(fifo));
}

} // namespace
} // namespace zmp
