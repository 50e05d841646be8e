#include <gtest/gtest.h>

#include "radiosim/indexset.h"
#include "radiosim/linepacer.h"
#include "radiosim/simoptionsparser.h"

using namespace zmp::radiosim;

namespace {

SimOptions parsed(const std::vector<std::string>& args)
{
    SimOptions options;
    std::string error;
    EXPECT_TRUE(SimOptionsParser::parse(args, options, error)) << error;
    return options;
}

std::string failure(const std::vector<std::string>& args)
{
    SimOptions options;
    std::string error;
    EXPECT_FALSE(SimOptionsParser::parse(args, options, error));
    return error;
}

} // namespace

TEST(SimOptionsParser, defaultsToAFreshRadioFollowingTheLine)
{
    const auto options = parsed({});
    EXPECT_TRUE(options.imagePath.empty());
    EXPECT_EQ(options.baud, SimOptions::FollowLine);
    EXPECT_FALSE(options.help);
}

TEST(SimOptionsParser, takesFilesSpeedAndPokes)
{
    const auto options = parsed({"--image", "a.hex", "--log", "t.log", "--dump", "d.hex", "--baud", "57600",
                                 "--poke", "0x0105=58", "--poke", "128=1131", "--link", "/tmp/radio"});
    EXPECT_EQ(options.imagePath, "a.hex");
    EXPECT_EQ(options.logPath, "t.log");
    EXPECT_EQ(options.dumpPath, "d.hex");
    EXPECT_EQ(options.linkPath, "/tmp/radio");
    EXPECT_EQ(options.baud, 57600);
    ASSERT_EQ(options.pokes.size(), 2u);
    EXPECT_EQ(options.pokes[0].address, 0x0105);
    EXPECT_EQ(options.pokes[0].bytes, std::vector<std::uint8_t>{0x58});
    EXPECT_EQ(options.pokes[1].address, 128);
    EXPECT_EQ(options.pokes[1].bytes, (std::vector<std::uint8_t>{0x11, 0x31}));
    EXPECT_EQ(parsed({"--baud", "0"}).baud, 0);
    EXPECT_EQ(parsed({"--baud", "57600", "--baud", "line"}).baud, SimOptions::FollowLine);
}

TEST(SimOptionsParser, takesEveryFault)
{
    const auto faults = parsed({"--no-answer",
                                "4",
                                "--error",
                                "2,6-7",
                                "--busy",
                                "3",
                                "--bad-checksum",
                                "1",
                                "--bad-address",
                                "2",
                                "--bad-length",
                                "5",
                                "--hangup-after",
                                "40",
                                "--no-echo",
                                "2",
                                "--acmd-error",
                                "--reply-delay",
                                "15",
                                "--data-delay",
                                "3"})
                            .faults;
    EXPECT_TRUE(faults.silentFrames.contains(4));
    EXPECT_TRUE(faults.refusedFrames.contains(2));
    EXPECT_TRUE(faults.refusedFrames.contains(7));
    EXPECT_FALSE(faults.refusedFrames.contains(5));
    EXPECT_EQ(faults.busyStatusCount, 3);
    EXPECT_TRUE(faults.badChecksumReplies.contains(1));
    EXPECT_TRUE(faults.badAddressReplies.contains(2));
    EXPECT_TRUE(faults.badLengthReplies.contains(5));
    EXPECT_EQ(faults.hangUpAfterFrames, 40);
    EXPECT_EQ(faults.silentWakeUps, 2);
    EXPECT_TRUE(faults.refuseLinkMode);
    EXPECT_EQ(faults.replyDelayMs, 15);
    EXPECT_EQ(faults.dataDelayMs, 3);
}

TEST(SimOptionsParser, namesWhatIsWrong)
{
    EXPECT_EQ(failure({"--frobnicate"}), "unknown option --frobnicate");
    EXPECT_EQ(failure({"--image"}), "option --image needs a value");
    EXPECT_EQ(failure({"--busy", "-1"}), "bad value for --busy: -1");
    EXPECT_EQ(failure({"--baud", "fast"}), "bad value for --baud: fast");
    EXPECT_EQ(failure({"--error", "3-1"}), "bad value for --error: 3-1");
    EXPECT_EQ(failure({"--poke", "0x10000=00"}), "bad value for --poke: 0x10000=00");
    EXPECT_EQ(failure({"--poke", "0x0100=5"}), "bad value for --poke: 0x0100=5");
    EXPECT_EQ(failure({"stray"}), "unknown option stray");
    EXPECT_TRUE(parsed({"--help"}).help);
}

TEST(IndexSet, readsListsAndRanges)
{
    IndexSet set;
    EXPECT_TRUE(set.empty());
    EXPECT_TRUE(set.parse("3,5-6"));
    EXPECT_FALSE(set.parse("0"));
    EXPECT_FALSE(set.parse("4,"));
    EXPECT_FALSE(set.parse("x"));
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(set.contains(i), i == 3 || i == 5 || i == 6) << i;
}

TEST(LinePacer, bytesFollowEachOtherAtTenBitTimes)
{
    using namespace std::chrono;
    EXPECT_EQ(duration_cast<microseconds>(LinePacer::byteTime(57600)).count(), 173);
    EXPECT_EQ(LinePacer::byteTime(0), LinePacer::Clock::duration::zero());
    LinePacer line;
    const LinePacer::Clock::time_point start{seconds(100)};
    const auto first = line.pass(start, 9600);
    const auto second = line.pass(start, 9600);
    EXPECT_EQ(duration_cast<microseconds>(first - start).count(), 1041);
    EXPECT_EQ(second - first, LinePacer::byteTime(9600));
    // After a quiet spell the next byte starts when it is handed over.
    const auto later = start + seconds(1);
    EXPECT_EQ(line.pass(later, 9600), later + LinePacer::byteTime(9600));
    line.reset(start);
    EXPECT_EQ(line.pass(start, 0), start);
}
