// The file type as the desktop decides it: the installed definition run
// through update-mime-database and read by a shared-mime-info reader.
#include <gtest/gtest.h>

#include <QMimeDatabase>
#include <QString>

#include <cstdlib>
#include <filesystem>

#include "support/filebytes.h"
#include "support/scratchfolder.h"

namespace zmp {
namespace {

namespace fs = std::filesystem;

TEST(FileTypeTest, decidedByContentNotByTheDatExtension)
{
    const fs::path share = test::scratchFolder() / "share";
    fs::create_directories(share / "mime" / "packages");
    fs::copy_file(fs::path(std::getenv("ZMP_SOURCE_DIR")) / "data" / "desktop" / "org.zmp.zmp.mime.xml",
                  share / "mime" / "packages" / "org.zmp.zmp.xml");
    const std::string update = "update-mime-database '" + (share / "mime").string() + "'";
    ASSERT_EQ(std::system(update.c_str()), 0);
    // Read before the database is first asked.
    ::setenv("XDG_DATA_DIRS", share.c_str(), 1);

    const struct {
        const char* name;
        std::string bytes;
        bool ours;
    } files[]{
        {"boat.dat", "[MAIN]\r\nMODELTYPE=1\r\n", true},
        {"bom.dat", "\xEF\xBB\xBF[MAIN]\r\nMODELTYPE=1\r\n", true},
        {"boat-copy", "[MAIN]\r\nMODELTYPE=11\r\n", true},
        {"random.dat", std::string("\x8f\x01\xfe\x42\x00\x17\x99\xd0", 8) + std::string(56, '\x5a'), false},
        {"notes.dat", "shopping list\n", false},
    };
    const QMimeDatabase database;
    for (const auto& file : files) {
        const fs::path path = share.parent_path() / file.name;
        test::writeBytes(path, file.bytes);
        const QString type = database.mimeTypeForFile(QString::fromStdString(path.string())).name();
        EXPECT_EQ(type == QStringLiteral("application/x-zmp-configuration"), file.ours)
            << file.name << ": " << type.toStdString();
    }
}

} // namespace
} // namespace zmp
