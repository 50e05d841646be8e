#include <gtest/gtest.h>

#include "link/statuscheck.h"
#include "link/synchroniser.h"
#include "linktestsupport.h"

namespace zmp {
namespace {

using test::LinkRig;
using test::MiniRadio;
using test::SentFrame;

class SynchroniserTest : public ::testing::Test {
  protected:
    bool synchronise() { return Synchroniser(RadioLink(rig.context)).run(); }
    void answerLinkMode(const std::string& reply)
    {
        rig.port.responder = [this, reply](const std::string& written) {
            return written == "ACMD:002\r\n" ? reply : rig.radio.answer(written);
        };
    }

    LinkRig rig;
};

TEST_F(SynchroniserTest, wakesTheRadioSwitchesSpeedAndResynchronises)
{
    EXPECT_TRUE(synchronise());
    const std::vector<std::string> expected = {"P", "0", "ACMD:002\r\n", "#CMDSY\r\n", "#CMDSY\r\n"};
    EXPECT_EQ(rig.port.writes, expected);
    EXPECT_EQ(rig.port.openedWith, (std::vector<std::string>{"19200,N,8,1", "57600,N,8,1"}));
    EXPECT_TRUE(rig.host.messages.empty());
}

TEST_F(SynchroniserTest, slowLinkStaysAtTheConnectionSpeed)
{
    rig.flags.SlowLink = true;
    EXPECT_TRUE(synchronise());
    EXPECT_EQ(rig.port.openedWith, (std::vector<std::string>{"19200,N,8,1", "19200,N,8,1"}));
}

TEST_F(SynchroniserTest, missingLinkModeAnswerStillSwitchesSpeed)
{
    answerLinkMode("");
    EXPECT_TRUE(synchronise());
    EXPECT_EQ(rig.port.openedWith.size(), 2u);
    EXPECT_TRUE(rig.host.messages.empty());
}

TEST_F(SynchroniserTest, refusedLinkModeStopsTheOperation)
{
    answerLinkMode("ERROR\r\n");
    EXPECT_FALSE(synchronise());
    ASSERT_EQ(rig.host.messages.size(), 1u);
    EXPECT_EQ(rig.host.messages[0].text, "ACMD Command error!!");
    EXPECT_TRUE(rig.port.writesStartingWith("#CMDSY").empty());
    EXPECT_EQ(rig.port.openedWith.size(), 1u);
}

TEST_F(SynchroniserTest, otherLinkModeAnswerIsAnError)
{
    answerLinkMode("NG\r\n");
    EXPECT_FALSE(synchronise());
    EXPECT_EQ(rig.host.messageTexts(), std::vector<std::string>{"error!!"});
}

TEST_F(SynchroniserTest, missingEchoIsReportedInTheStatusOnly)
{
    rig.port.responder = [this](const std::string& written) {
        return written == "P" ? "" : rig.radio.answer(written);
    };
    EXPECT_TRUE(synchronise());
    EXPECT_EQ(rig.port.writesStartingWith("P").size(), 3u);
    EXPECT_TRUE(rig.port.writesStartingWith("0").empty());
    EXPECT_NE(std::find(rig.host.statuses.begin(), rig.host.statuses.end(), "sync failed!!"),
              rig.host.statuses.end());
}

TEST_F(SynchroniserTest, aPortThatCannotOpenFailsInOrder)
{
    rig.port.opens = false;
    EXPECT_FALSE(synchronise());
    EXPECT_EQ(rig.host.messageTexts(), std::vector<std::string>{"port inicialize error!!"});
    EXPECT_EQ(rig.host.messages[0].detail, "no such port");
    EXPECT_TRUE(rig.port.writes.empty());
}

TEST_F(SynchroniserTest, unansweredResynchronisationFails)
{
    rig.port.responder = [this](const std::string& written) {
        return written == "#CMDSY\r\n" ? "" : rig.radio.answer(written);
    };
    EXPECT_FALSE(synchronise());
    EXPECT_EQ(rig.port.writesStartingWith("#CMDSY").size(), 6u);
    EXPECT_EQ(rig.host.statuses.back(), "can'not Receive '#CMDOK' !!");
}

class StatusCheckTest : public ::testing::Test {
  protected:
    void SetUp() override { rig.port.open(); }
    bool check() { return StatusCheck(link).run(); }

    LinkRig rig;
    RadioLink link{rig.context};
};

TEST_F(StatusCheckTest, readyRadioPasses)
{
    EXPECT_TRUE(check());
    EXPECT_EQ(rig.port.writes.front(), "#QMPSR\t00\t6E\r\n");
    EXPECT_EQ(rig.port.writes.back(), "#CMDOK\r\n");
    EXPECT_EQ(rig.host.statuses.back(), "status check.. OK");
}

TEST_F(StatusCheckTest, busyRadioOffersRetry)
{
    rig.radio.fault = [](const SentFrame&, int index) -> std::optional<std::string> {
        if (index == 0) return "#CMDOK\r\n" + MiniRadio::reply("#QMPSD", "01\t");
        return std::nullopt;
    };
    rig.host.answers = {MessageAnswer::Retry};
    EXPECT_TRUE(check());
    const Message& busy = rig.host.messages.at(0);
    EXPECT_EQ(busy.text, "Radio is busy!!");
    EXPECT_EQ(busy.icon, MessageIcon::Warning);
    EXPECT_EQ(busy.buttons, MessageButtons::RetryCancel);
    EXPECT_EQ(busy.defaultAnswer, MessageAnswer::Cancel);
    EXPECT_EQ(rig.port.writesStartingWith("#QMPSR").size(), 2u);
}

TEST_F(StatusCheckTest, busyRadioCancelledIsNotReady)
{
    rig.radio.status = "01";
    EXPECT_FALSE(check());
    EXPECT_EQ(rig.host.statuses.back(), "status check.. NG!!");
}

TEST_F(StatusCheckTest, wrongReplyWordIsAnsweredAndNotReady)
{
    rig.radio.fault = [](const SentFrame&, int) -> std::optional<std::string> {
        return "#CMDOK\r\n" + MiniRadio::reply("#QMPDT", "00\t");
    };
    EXPECT_FALSE(check());
    EXPECT_EQ(rig.port.writes.back(), "#CMDUN\r\n");
}

TEST_F(StatusCheckTest, badChecksumIsAnsweredAndNotReady)
{
    rig.radio.fault = [](const SentFrame&, int) -> std::optional<std::string> {
        return "#CMDOK\r\n#QMPSD\t00\t79\r\n";
    };
    EXPECT_FALSE(check());
    EXPECT_EQ(rig.port.writes.back(), "#CMDSM\r\n");
}

TEST_F(StatusCheckTest, leavesErrorFlagAsTheSynchronisationLeftIt)
{
    rig.radio.fault = [](const SentFrame&, int) -> std::optional<std::string> { return ""; };
    EXPECT_FALSE(check());
    EXPECT_FALSE(rig.flags.ErrorFlag);
    EXPECT_EQ(rig.port.writesStartingWith("#QMPSR").size(), 3u);
}

} // namespace
} // namespace zmp
