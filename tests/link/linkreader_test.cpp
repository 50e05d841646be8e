#include <gtest/gtest.h>

#include "link/linkreader.h"
#include "linktestsupport.h"

namespace zmp {
namespace {

using test::LinkRig;

TEST(LinkReader, lowerCaseErrorEndsReadWordAfterFiveCharacters)
{
    LinkRig rig;
    rig.port.feed("error\r\n");
    const ReadResult result = LinkReader(rig.context).readWord(6, 10);
    EXPECT_EQ(result.code, ResultCode::Refused);
    EXPECT_EQ(result.text, "error");
    EXPECT_EQ(rig.port.waitingCount(), 2);
}

TEST(LinkReader, takesOneByteAPassAndLeavesTheNextReplyWaiting)
{
    LinkRig rig;
    rig.port.feed("#CMDOK\r\n#QMPDT");
    const LinkReader reader(rig.context);
    EXPECT_EQ(reader.readWord(6, 10).text, "#CMDOK");
    EXPECT_EQ(reader.waitByte('\r', 1), ResultCode::Success);
    EXPECT_EQ(reader.waitByte('\n', 1), ResultCode::Success);
    EXPECT_EQ(rig.port.waitingCount(), 6);
}

TEST(LinkReader, linesEndAtCrAndConsumeThroughLf)
{
    LinkRig rig;
    rig.port.feed("\t00\t78\r\n#");
    const ReadResult line = LinkReader(rig.context).readLine(10);
    EXPECT_EQ(line.code, ResultCode::Success);
    EXPECT_EQ(line.text, "\t00\t78");
    EXPECT_EQ(rig.port.waitingCount(), 1);
}

TEST(LinkReader, replyLineWantsLfRightAfterCr)
{
    LinkRig rig;
    const LinkReader reader(rig.context);
    rig.port.feed("OK\r\n");
    EXPECT_EQ(reader.readReplyLine(1).text, "OK");
    rig.port.feed("OK\rX");
    EXPECT_EQ(reader.readReplyLine(1).code, ResultCode::Unexpected);
}

TEST(LinkReader, deadlinePassesWithoutSpinning)
{
    LinkRig rig;
    const ReadResult result = LinkReader(rig.context).readWord(6, 10);
    EXPECT_EQ(result.code, ResultCode::Timeout);
    EXPECT_GE(rig.clock.now, 10000);
    // Every idle pass blocked on the port for a slice of a few milliseconds.
    EXPECT_EQ(rig.host.passes, rig.port.idleWaits + 1);
    EXPECT_LE(rig.host.passes, 10000 / LinkReader::SliceMs + 2);
}

TEST(LinkReader, cancelEndsTheWaitAtTheNextPass)
{
    LinkRig rig;
    rig.host.onEvents = [&] {
        if (rig.clock.now >= 40) rig.flags.CancelFlag = true;
    };
    EXPECT_EQ(LinkReader(rig.context).waitByte('P', 1), ResultCode::Cancelled);
    EXPECT_LT(rig.clock.now, 50);
}

} // namespace
} // namespace zmp
