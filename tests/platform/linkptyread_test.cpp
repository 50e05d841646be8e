// What only a real line shows, end to end: the link on the real
// serial-port adapter, the emulated radio on the other side of a
// pseudo-terminal. The cases every rig shares are the link contract
// (ptylinkcontract_test.cpp).
#include <gtest/gtest.h>

#include "image/newimage.h"
#include "linkptyrig.h"
#include "message/messagetexts.h"
#include "model/models.h"
#include "support/patternedradio.h"

using namespace zmp;
using zmp::radiosim::RadioRequest;

namespace {

class LinkPtyRead : public ::testing::Test {
  protected:
    // The rig's image starts as a new MR4400 image, unlike the radio's pattern.
    void prepare(test::PtyLinkRig& rig)
    {
        ASSERT_TRUE(makeNewImage(ModelMr4400, rig.records, rig.image));
        before = rig.image;
        recordsBefore = rig.records;
    }

    MemoryImage before;
    Records recordsBefore;
};

} // namespace

// Closing the port restores the line settings it had before; the last
// acknowledgement of a read must have crossed the line at 57600 baud by then.
TEST_F(LinkPtyRead, everyMessageAfterTheSwitchCrossesTheLineAtTransferSpeed)
{
    test::PtyLinkRig rig(test::patternedRadio());
    prepare(rig);
    ASSERT_TRUE(rig.run(OperationType::Read));
    const auto replies = rig.requestsOf(RadioRequest::Kind::HostReply);
    ASSERT_FALSE(replies.empty());
    EXPECT_EQ(replies.back().lineRates, std::vector<int>{57600});
    for (const auto kind : {RadioRequest::Kind::Sync, RadioRequest::Kind::Status, RadioRequest::Kind::Read,
                            RadioRequest::Kind::HostReply}) {
        for (const auto& request : rig.requestsOf(kind))
            ASSERT_EQ(request.lineRates, std::vector<int>{57600}) << request.text;
    }
}

TEST_F(LinkPtyRead, lostLineIsACommunicationFailureNamingTheDevice)
{
    auto options = test::RunningRadio::unpaced();
    options.faults.hangUpAfterFrames = 100;
    test::PtyLinkRig rig(test::patternedRadio(), options);
    prepare(rig);
    const std::string device = rig.devicePath();
    EXPECT_FALSE(rig.run(OperationType::Read));
    EXPECT_TRUE(rig.flags.ErrorFlag);
    EXPECT_FALSE(rig.flags.CancelFlag);
    ASSERT_EQ(rig.host.messages.size(), 1u);
    EXPECT_EQ(rig.host.messages[0].text, msg::CommunicationError);
    EXPECT_EQ(rig.host.messages[0].title, "Read from Radio");
    EXPECT_EQ(rig.host.messages[0].detail,
              "The connection to " + device + " was lost." +
                  " Is the radio switched on and in PC mode, and the cable plugged in? Then try again.");
    EXPECT_EQ(rig.image.bytes, before.bytes);
}

TEST_F(LinkPtyRead, hangUpMidTransferEndsTheReadAndKeepsTheImage)
{
    auto options = test::RunningRadio::unpaced();
    options.faults.hangUpAfterFrames = 100;
    test::PtyLinkRig rig(test::patternedRadio(), options);
    prepare(rig);

    EXPECT_FALSE(rig.run(OperationType::Read));
    EXPECT_TRUE(rig.hungUp());
    EXPECT_FALSE(rig.flags.CompletedFlag);
    EXPECT_TRUE(rig.flags.ErrorFlag || rig.flags.CancelFlag);
    EXPECT_FALSE(rig.host.messages.empty());
    EXPECT_FALSE(rig.host.showed(msg::Complete));
    EXPECT_EQ(rig.image.bytes, before.bytes);
}

TEST_F(LinkPtyRead, refusedReadIsSentAgainAndTheReadCompletes)
{
    auto options = test::RunningRadio::unpaced();
    options.faults.refusedFrames.parse("10"); // the sixth 64-byte block, once
    test::PtyLinkRig rig(test::patternedRadio(), options);
    prepare(rig);

    EXPECT_TRUE(rig.run(OperationType::Read));
    EXPECT_TRUE(rig.flags.CompletedFlag);
    const auto reads = rig.requestsOf(RadioRequest::Kind::Read);
    ASSERT_EQ(reads.size(), 3u + 513u);
    EXPECT_EQ(reads[8].address, reads[9].address);
}

struct ReplyFault {
    const char* name;
    void (*inject)(radiosim::FaultPlan&);
    const char* message; // shown by the link; empty for none
    const char* answer;  // what the link sends back instead of "#CMDOK"; empty for nothing
};

class LinkPtyReplyFault : public LinkPtyRead, public ::testing::WithParamInterface<ReplyFault> {};

TEST_P(LinkPtyReplyFault, failsTheReadWithoutAskingAgain)
{
    auto options = test::RunningRadio::unpaced();
    GetParam().inject(options.faults);
    test::PtyLinkRig rig(test::patternedRadio(), options);
    prepare(rig);

    EXPECT_FALSE(rig.run(OperationType::Read));
    EXPECT_FALSE(rig.flags.CompletedFlag);
    EXPECT_TRUE(rig.flags.ErrorFlag);
    if (*GetParam().message) {
        EXPECT_TRUE(rig.host.showed(GetParam().message));
    }
    EXPECT_TRUE(rig.host.showed(msg::CommunicationError));
    // The status reply, three identity reads and two blocks were accepted;
    // the data reply of the third block (0x0080) failed and was not requested again.
    std::vector<std::string> expected(6, "#CMDOK");
    if (*GetParam().answer) expected.push_back(GetParam().answer);
    std::vector<std::string> replies;
    for (const auto& reply : rig.requestsOf(RadioRequest::Kind::HostReply))
        replies.push_back(reply.text);
    EXPECT_EQ(replies, expected);
    const auto reads = rig.requestsOf(RadioRequest::Kind::Read);
    ASSERT_EQ(reads.size(), 6u);
    EXPECT_EQ(reads.back().address, 0x0080);
    EXPECT_EQ(rig.image.bytes, before.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    DataReplies, LinkPtyReplyFault,
    ::testing::Values(ReplyFault{"checksum", [](radiosim::FaultPlan& f) { f.badChecksumReplies.parse("6"); },
                                 "", "#CMDSM"},
                      ReplyFault{"address", [](radiosim::FaultPlan& f) { f.badAddressReplies.parse("6"); },
                                 msg::AddressError, ""},
                      ReplyFault{"length", [](radiosim::FaultPlan& f) { f.badLengthReplies.parse("6"); },
                                 msg::LinkDataError, ""}),
    [](const auto& info) { return std::string(info.param.name); });
