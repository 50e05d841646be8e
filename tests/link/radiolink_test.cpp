#include <gtest/gtest.h>

#include "link/radiolink.h"
#include "linktestsupport.h"

namespace zmp {
namespace {

using test::LinkRig;
using test::MiniRadio;
using test::SentFrame;

class RadioLinkTest : public ::testing::Test {
  protected:
    void SetUp() override { rig.port.open(); }

    int readRequests() const { return static_cast<int>(rig.port.writesStartingWith("#QMPRD").size()); }

    LinkRig rig;
    RadioLink link{rig.context};
    MemoryImage target;
};

TEST_F(RadioLinkTest, readBlockStoresTheReplyAndAcknowledges)
{
    link.readBlock(target, 0x0080, 2);
    EXPECT_FALSE(rig.flags.ErrorFlag);
    EXPECT_EQ(target[0x0080], 0x11);
    EXPECT_EQ(target[0x0081], 0x30);
    EXPECT_EQ(rig.port.writes.back(), "#CMDOK\r\n");
}

TEST_F(RadioLinkTest, acceptsLowerCaseDigitsAndShortAddress)
{
    rig.radio.fault = [](const SentFrame&, int) -> std::optional<std::string> {
        return "#CMDOK\r\n" + MiniRadio::reply("#QMPDT", "100\t7\t4b543733395200\t");
    };
    link.readBlock(target, 0x0100, 7);
    EXPECT_FALSE(rig.flags.ErrorFlag);
    EXPECT_EQ(target[0x0100], 'K');
    EXPECT_EQ(target[0x0105], 'R');
    EXPECT_TRUE(rig.host.messages.empty());
}

TEST_F(RadioLinkTest, threeTimeoutsFailWithoutAQuestion)
{
    rig.radio.fault = [](const SentFrame&, int) -> std::optional<std::string> { return ""; };
    link.readBlock(target, 0, 64);
    EXPECT_TRUE(rig.flags.ErrorFlag);
    EXPECT_EQ(readRequests(), 3);
    EXPECT_TRUE(rig.host.messages.empty());
}

TEST_F(RadioLinkTest, refusalOnTheLastAttemptAsksToResynchronise)
{
    rig.radio.fault = [](const SentFrame&, int) -> std::optional<std::string> { return "ERROR"; };
    rig.host.answers = {MessageAnswer::Cancel};
    link.readBlock(target, 0, 64);
    EXPECT_TRUE(rig.flags.ErrorFlag);
    EXPECT_EQ(readRequests(), 3);
    ASSERT_EQ(rig.host.messages.size(), 1u);
    EXPECT_EQ(rig.host.messages[0].text, "confirm the synchronization of the communication");
    EXPECT_EQ(rig.host.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(rig.host.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(rig.host.messages[0].title, "Read from Radio");
}

TEST_F(RadioLinkTest, refusalBeforeTheLastAttemptIsRetriedQuietly)
{
    rig.radio.fault = [](const SentFrame&, int index) -> std::optional<std::string> {
        if (index == 0) return "ERROR";
        if (index == 1) return "";
        return std::nullopt;
    };
    link.readBlock(target, 0x0080, 2);
    EXPECT_FALSE(rig.flags.ErrorFlag);
    EXPECT_EQ(readRequests(), 3);
    EXPECT_TRUE(rig.host.messages.empty());
}

TEST_F(RadioLinkTest, resynchronisingAllowsOneMoreAttempt)
{
    rig.radio.fault = [](const SentFrame&, int index) -> std::optional<std::string> {
        if (index < 3) return "ERROR";
        return std::nullopt;
    };
    rig.host.answers = {MessageAnswer::Ok};
    link.readBlock(target, 0x0080, 2);
    EXPECT_FALSE(rig.flags.ErrorFlag);
    EXPECT_EQ(readRequests(), 4);
    EXPECT_EQ(rig.port.writesStartingWith("#CMDSY").size(), 2u);
}

TEST_F(RadioLinkTest, badChecksumIsAnsweredAndNotRequestedAgain)
{
    rig.radio.fault = [](const SentFrame&, int) -> std::optional<std::string> {
        return "#CMDOK\r\n#QMPDT\t0080\t02\t1130\t77\r\n";
    };
    link.readBlock(target, 0x0080, 2);
    EXPECT_TRUE(rig.flags.ErrorFlag);
    EXPECT_EQ(readRequests(), 1);
    EXPECT_EQ(rig.port.writes.back(), "#CMDSM\r\n");
    EXPECT_EQ(target[0x0080], 0);
}

struct BadReply {
    std::string reply;
    std::string message; // empty: none
    std::string answer;  // last word sent, empty: none
};

class RadioLinkBadReplyTest : public RadioLinkTest, public ::testing::WithParamInterface<BadReply> {};

TEST_P(RadioLinkBadReplyTest, failsTheBlockOnce)
{
    const BadReply bad = GetParam();
    rig.radio.fault = [&](const SentFrame&, int) -> std::optional<std::string> {
        return "#CMDOK\r\n" + bad.reply;
    };
    link.readBlock(target, 0x0080, 2);
    EXPECT_TRUE(rig.flags.ErrorFlag);
    EXPECT_EQ(readRequests(), 1);
    if (bad.message.empty()) {
        EXPECT_TRUE(rig.host.messages.empty());
    } else {
        ASSERT_EQ(rig.host.messages.size(), 1u);
        EXPECT_EQ(rig.host.messages[0].text, bad.message);
        EXPECT_EQ(rig.host.messages[0].icon, MessageIcon::Critical);
    }
    if (!bad.answer.empty()) {
        EXPECT_EQ(rig.port.writes.back(), bad.answer);
    }
    EXPECT_EQ(target[0x0080], 0);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, RadioLinkBadReplyTest,
    ::testing::Values(BadReply{MiniRadio::reply("#QMPDT", "0081\t02\t1130\t"), "address error!!", ""},
                      BadReply{MiniRadio::reply("#QMPDT", "0080\t03\t113000\t"), "data error!!", ""},
                      BadReply{MiniRadio::reply("#QMPDT", "0080\t02\t11300\t"), "data error!!", ""},
                      BadReply{MiniRadio::reply("#QMPDT", "0080\t02\t11zz\t"), "data error!!", ""},
                      BadReply{MiniRadio::reply("#QMPSD", "00\t"), "", "#CMDER\r\n"},
                      BadReply{"ERROR\r\n", "", ""}, BadReply{"", "time out!!", ""},
                      BadReply{"#QMPDT\t0080", "time out!!", ""}));

TEST_F(RadioLinkTest, otherWordThanAckFailsAtOnce)
{
    rig.radio.fault = [](const SentFrame&, int) -> std::optional<std::string> { return "#CMDNG\r\n"; };
    link.writeBlock(target, 0x0300, 64);
    EXPECT_TRUE(rig.flags.ErrorFlag);
    EXPECT_EQ(rig.port.writesStartingWith("#QMPWR").size(), 1u);
}

TEST_F(RadioLinkTest, ackWithoutLineEndFailsAtOnce)
{
    rig.radio.fault = [](const SentFrame&, int) -> std::optional<std::string> { return "#CMDOK"; };
    link.writeBlock(target, 0x0300, 64);
    EXPECT_TRUE(rig.flags.ErrorFlag);
    EXPECT_EQ(rig.port.writesStartingWith("#QMPWR").size(), 1u);
}

TEST_F(RadioLinkTest, writeBlockSendsTheImageBytesAndClearsErrorOnAck)
{
    target[0x0286] = 0xFF;
    link.writeBlock(target, 0x0286, 1);
    EXPECT_FALSE(rig.flags.ErrorFlag);
    EXPECT_EQ(rig.port.writes.back(), "#QMPWR\t0286\t01\tFF\t67\r\n");
    EXPECT_EQ(rig.radio.memory[0x0286], 0xFF);
}

TEST_F(RadioLinkTest, everyWriteWaitsTenMillisecondsFirst)
{
    link.writeBlock(target, 0x0286, 1);
    EXPECT_EQ(rig.host.sleptMs, 10);
}

TEST_F(RadioLinkTest, abortSendsCanAndLeavesCancelSet)
{
    rig.port.feed("leftover");
    link.abortRead();
    EXPECT_EQ(rig.port.writes.back(), "\x18");
    EXPECT_EQ(rig.radio.canCount, 1);
    EXPECT_TRUE(rig.flags.CancelFlag);
}

} // namespace
} // namespace zmp
