// Reading, the identity checks and the ways a read can fail, end to end:
// the link on the real serial-port adapter, the emulated radio on the
// other side of a pseudo-terminal.
#include <gtest/gtest.h>

#include "image/imagecodec.h"
#include "image/newimage.h"
#include "linkptyrig.h"
#include "message/messagetexts.h"
#include "model/models.h"

using namespace zmp;
using zmp::radiosim::RadioRequest;

namespace {

struct Range {
    int first;
    int last;
};

// The configuration ranges a read takes from the radio; the image keeps
// its own bytes everywhere else.
const std::vector<Range> CopiedRanges = {
    {0x0080, 0x0081}, {0x00A1, 0x017F}, {0x0280, 0x02A5}, {0x02C0, 0x02EF},
    {0x0300, 0x06FF}, {0x0800, 0x45FF}, {0x4700, 0x50FF}, {0x7FFE, 0x7FFF},
};

bool copied(int address)
{
    for (const Range& range : CopiedRanges)
        if (address >= range.first && address <= range.last) return true;
    return false;
}

// The records as an image, to compare two sets of records as a whole.
MemoryImage encoded(const Records& records, const MemoryImage& base)
{
    Records copy = records;
    MemoryImage image = base;
    ImageCodec::encode(copy, ModelMr4400, image);
    return image;
}

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

radiosim::SimOptions withPokes(const std::vector<radiosim::SimOptions::Poke>& pokes)
{
    auto options = test::PtyLinkRig::unpaced();
    options.pokes = pokes;
    return options;
}

MemoryImage poked(const radiosim::SimOptions& options)
{
    MemoryImage memory = test::patternedRadio();
    for (const auto& poke : options.pokes)
        for (std::size_t i = 0; i < poke.bytes.size(); ++i)
            memory[poke.address + int(i)] = poke.bytes[i];
    return memory;
}

} // namespace

TEST_F(LinkPtyRead, readsEveryBlockAndCopiesOnlyTheConfigurationRanges)
{
    const MemoryImage radio = test::patternedRadio();
    test::PtyLinkRig rig(radio);
    prepare(rig);

    EXPECT_TRUE(rig.run(OperationType::Read));
    EXPECT_TRUE(rig.flags.CompletedFlag);
    EXPECT_FALSE(rig.flags.ErrorFlag);
    EXPECT_TRUE(rig.host.showed(msg::Complete));

    std::vector<int> blocks;
    for (const auto& read : rig.requestsOf(RadioRequest::Kind::Read))
        if (read.length == 64) blocks.push_back(read.address);
    ASSERT_EQ(blocks.size(), 512u);
    for (std::size_t i = 0; i < blocks.size(); ++i)
        EXPECT_EQ(blocks[i], int(i) * 64);
    EXPECT_EQ(blocks.back(), 0x7FC0);
    // The last block brings the bar to 100 %; the dialog then sets it back to 0 %.
    ASSERT_GE(rig.host.progress.size(), 2u);
    EXPECT_EQ(rig.host.progress.end()[-2], 100);
    EXPECT_EQ(rig.host.progress.back(), 0);

    int differences = 0;
    for (int a = 0; a < ImageSize; ++a)
        differences += rig.image[a] != (copied(a) ? radio[a] : before[a]);
    EXPECT_EQ(differences, 0);

    Records decoded = recordsBefore;
    ImageCodec::decode(rig.image, decoded);
    EXPECT_EQ(encoded(rig.records, rig.image).bytes, encoded(decoded, rig.image).bytes);
}

TEST_F(LinkPtyRead, cancelSendsCanAndLeavesImageAndRecords)
{
    test::PtyLinkRig rig(test::patternedRadio());
    prepare(rig);
    rig.host.onEvents = [&rig] {
        if (!rig.host.progress.empty() && rig.host.progress.back() >= 25) rig.cancel();
    };

    rig.run(OperationType::Read);
    EXPECT_TRUE(rig.flags.CancelFlag);
    EXPECT_FALSE(rig.flags.CompletedFlag);
    EXPECT_FALSE(rig.requestsOf(RadioRequest::Kind::Cancel).empty());
    EXPECT_LT(rig.requestsOf(RadioRequest::Kind::Read).size(), 512u);
    EXPECT_EQ(rig.image.bytes, before.bytes);
    EXPECT_EQ(encoded(rig.records, before).bytes, encoded(recordsBefore, before).bytes);
}

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
    auto options = test::PtyLinkRig::unpaced();
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
    EXPECT_EQ(rig.host.messages[0].detail, "The connection to " + device + " was lost.");
    EXPECT_EQ(rig.image.bytes, before.bytes);
}

TEST_F(LinkPtyRead, hangUpMidTransferEndsTheReadAndKeepsTheImage)
{
    auto options = test::PtyLinkRig::unpaced();
    options.faults.hangUpAfterFrames = 100;
    test::PtyLinkRig rig(test::patternedRadio(), options);
    prepare(rig);

    EXPECT_FALSE(rig.run(OperationType::Read));
    EXPECT_TRUE(rig.hungUp);
    EXPECT_FALSE(rig.flags.CompletedFlag);
    EXPECT_TRUE(rig.flags.ErrorFlag || rig.flags.CancelFlag);
    EXPECT_FALSE(rig.host.messages.empty());
    EXPECT_FALSE(rig.host.showed(msg::Complete));
    EXPECT_EQ(rig.image.bytes, before.bytes);
}

struct IdentityCase {
    const char* name;
    std::vector<radiosim::SimOptions::Poke> pokes;
    bool accepted;
};

class LinkPtyIdentity : public LinkPtyRead, public ::testing::WithParamInterface<IdentityCase> {};

TEST_P(LinkPtyIdentity, checksModelAndProductCode)
{
    const auto options = withPokes(GetParam().pokes);
    test::PtyLinkRig rig(poked(options), options);
    prepare(rig);

    rig.run(OperationType::Read);
    const auto reads = rig.requestsOf(RadioRequest::Kind::Read);
    if (GetParam().accepted) {
        EXPECT_TRUE(rig.flags.CompletedFlag);
        EXPECT_FALSE(rig.host.showed(msg::ModelTypeError));
        EXPECT_EQ(reads.size(), 3u + 512u);
        return;
    }
    EXPECT_FALSE(rig.flags.CompletedFlag);
    EXPECT_TRUE(rig.flags.ErrorFlag);
    ASSERT_FALSE(rig.host.messages.empty());
    EXPECT_EQ(rig.host.messages.back().text, msg::ModelTypeError);
    EXPECT_EQ(rig.host.messages.back().title, msg::ReadTitle);
    EXPECT_LE(reads.size(), 3u);
    EXPECT_EQ(rig.image.bytes, before.bytes);
}

INSTANTIATE_TEST_SUITE_P(Radios, LinkPtyIdentity,
                         ::testing::Values(IdentityCase{"firstModelCode", {{0x0080, {0x11, 0x31}}}, false},
                                           IdentityCase{"secondModelCode", {{0x7FFE, {0x11, 0x31}}}, false},
                                           IdentityCase{"bothEqualButNot4400",
                                                        {{0x0080, {0x11, 0x31}}, {0x7FFE, {0x11, 0x31}}},
                                                        false},
                                           IdentityCase{"productSixthCharacter", {{0x0105, {'X'}}}, false},
                                           IdentityCase{"productSeventhByte", {{0x0106, {0x00}}}, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LinkPtyRead, busyRadioIsAskedAgainOnRetry)
{
    auto options = test::PtyLinkRig::unpaced();
    options.faults.busyStatusCount = 1;
    test::PtyLinkRig rig(test::patternedRadio(), options);
    prepare(rig);
    rig.host.answers = {MessageAnswer::Retry};

    EXPECT_TRUE(rig.run(OperationType::ClearMmsi));
    ASSERT_FALSE(rig.host.messages.empty());
    EXPECT_EQ(rig.host.messages.front().text, msg::RadioBusy);
    EXPECT_EQ(rig.host.messages.front().icon, MessageIcon::Warning);
    EXPECT_EQ(rig.requestsOf(RadioRequest::Kind::Status).size(), 2u);
    EXPECT_TRUE(rig.flags.CompletedFlag);
}

TEST_F(LinkPtyRead, busyRadioCancelledIsNotReady)
{
    auto options = test::PtyLinkRig::unpaced();
    options.faults.busyStatusCount = 5;
    test::PtyLinkRig rig(test::patternedRadio(), options);
    prepare(rig);

    rig.run(OperationType::Read);
    EXPECT_TRUE(rig.host.showed(msg::RadioBusy));
    EXPECT_TRUE(rig.host.showed(msg::RadioNotReady));
    EXPECT_TRUE(rig.requestsOf(RadioRequest::Kind::Read).empty());
    EXPECT_FALSE(rig.flags.CompletedFlag);
    EXPECT_EQ(rig.image.bytes, before.bytes);
}

TEST_F(LinkPtyRead, refusedReadIsSentAgainAndTheReadCompletes)
{
    auto options = test::PtyLinkRig::unpaced();
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
    auto options = test::PtyLinkRig::unpaced();
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
