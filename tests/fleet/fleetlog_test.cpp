// The fleet log survives runs: what it says is done is skipped next time.
#include <gtest/gtest.h>

#include "fleet/fleetlog.h"
#include "support/filebytes.h"
#include "support/scratchfolder.h"

namespace zmp {
namespace {

TEST(FleetLog, linesComeBackFromTheFileAndTheLastLineOfAnMmsiDecides)
{
    const std::string path = (test::scratchFolder() / "fleet.csv").string();
    std::string reason;
    auto log = FleetLog::open(path, reason);
    ASSERT_TRUE(log) << reason;
    EXPECT_TRUE(log->lines().empty());
    const std::vector<FleetLogLine> lines{
        {"2026-01-02T10:00:00Z", "/dev/ttyUSB0", "Tern, II", "366123457", "complete", "b1", ""},
        {"2026-01-02T10:01:00Z", "/dev/ttyUSB1", "Gull", "366123458", "complete, not verified", "b2", ""},
        {"2026-01-02T10:02:00Z", "/dev/ttyUSB0", "Sea Breeze", "366123456", "complete", "b3", ""},
        {"2026-01-02T10:03:00Z", "/dev/ttyUSB0", "Sea Breeze", "366123456", "failed",
         "Communication Error!!\nthe radio may hold a partly written configuration", ""},
    };
    for (const FleetLogLine& line : lines)
        ASSERT_TRUE(log->add(line, reason)) << reason;

    const auto again = FleetLog::open(path, reason);
    ASSERT_TRUE(again) << reason;
    EXPECT_EQ(again->lines(), lines);
    EXPECT_EQ(again->doneLine("366123457"), &again->lines()[0]);
    EXPECT_EQ(again->doneLine("366123458"), &again->lines()[1]);
    EXPECT_EQ(again->doneLine("366123456"), nullptr); // programmed, then failed: not done
    EXPECT_EQ(again->doneLine("366000000"), nullptr);
}

TEST(FleetLog, aFileThatIsNotAFleetLogIsNeitherReadNorWritten)
{
    const auto folder = test::scratchFolder();
    std::string reason;
    test::writeBytes(folder / "other.csv", "Label,User MMSI\r\nA,366123456\r\n");
    EXPECT_FALSE(FleetLog::open((folder / "other.csv").string(), reason));
    EXPECT_EQ(reason,
              "not a fleet log: its first line must read Time,Device,Label,User MMSI,Outcome,Backup,Reason");
    EXPECT_EQ(test::readBytes(folder / "other.csv"), "Label,User MMSI\r\nA,366123456\r\n");
    EXPECT_FALSE(FleetLog::open(folder.string(), reason));
    EXPECT_FALSE(reason.empty());
}

} // namespace
} // namespace zmp
