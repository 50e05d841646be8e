#include "files/programfolder.h"

#include <gtest/gtest.h>

#include "support/filebytes.h"
#include "support/scratchfolder.h"

namespace zmp {
namespace {

namespace fs = std::filesystem;

void writeGlobalIni(const fs::path& folder)
{
    fs::create_directories(folder);
    test::writeBytes(folder / "global.ini", "[model1]\nuse=1\n");
}

TEST(ProgramFolderTest, findsTheDataBesideTheExecutableOrInTheSharedFolderOfThePrefix)
{
    const fs::path root = test::scratchFolder();
    const fs::path single = root / "single";
    writeGlobalIni(single);
    EXPECT_EQ(ProgramFolder::locate(single), single);

    const fs::path prefix = root / "prefix";
    fs::create_directories(prefix / "bin");
    writeGlobalIni(prefix / "share" / "zmp");
    EXPECT_EQ(ProgramFolder::locate(prefix / "bin"), prefix / "share" / "zmp");

    // A global.ini beside the executable wins over an installed one.
    writeGlobalIni(prefix / "bin");
    EXPECT_EQ(ProgramFolder::locate(prefix / "bin"), prefix / "bin");
}

TEST(ProgramFolderTest, staysBesideTheExecutableWhenNoDataIsFound)
{
    const fs::path root = test::scratchFolder();
    fs::create_directories(root / "bin");
    // A folder named global.ini is not the installation's file.
    fs::create_directories(root / "share" / "zmp" / "global.ini");
    EXPECT_EQ(ProgramFolder::locate(root / "bin"), root / "bin");
}

} // namespace
} // namespace zmp
