#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "image/imagecodec.h"
#include "link/linkerror.h"
#include "link/portlosterror.h"
#include "link/readoperation.h"
#include "link/transferoperation.h"
#include "linktestsupport.h"
#include "model/models.h"

namespace zmp {
namespace {

using test::LinkRig;
using test::SentFrame;

bool inCopiedRange(int a)
{
    const auto& ranges = ReadOperation::copiedRanges();
    return std::any_of(ranges.begin(), ranges.end(),
                       [a](const AddressRange& r) { return a >= r.first && a <= r.last; });
}

class ReadTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        for (int a = 0; a < ImageSize; ++a) {
            if (a < 0x80 || (a > 0x81 && a < 0x100) || (a > 0x105 && a < 0x7FFE))
                rig.radio.memory[a] = static_cast<std::uint8_t>(a * 7 + 3);
        }
        image.fill(0xEE);
        before = image;
    }

    bool read() { return transfer.run(OperationType::Read); }

    std::vector<SentFrame> blockReads() const
    {
        std::vector<SentFrame> reads;
        for (const SentFrame& f : rig.radio.frames) {
            if (f.word == "#QMPRD" && f.length == 64) reads.push_back(f);
        }
        return reads;
    }

    LinkRig rig;
    MemoryImage image;
    MemoryImage before;
    Records records;
    TransferOperation transfer{rig.port, rig.host, rig.flags, image, records, ModelMr4400, rig.options};
};

TEST_F(ReadTest, readsEveryBlockAndCopiesOnlyTheListedRanges)
{
    EXPECT_TRUE(read());
    const auto reads = blockReads();
    ASSERT_EQ(reads.size(), 512u);
    for (std::size_t i = 0; i < reads.size(); ++i)
        EXPECT_EQ(reads[i].address, static_cast<int>(i) * 64);
    for (int a = 0; a < ImageSize; ++a) {
        ASSERT_EQ(image[a], inCopiedRange(a) ? rig.radio.memory[a] : before[a]) << "address " << a;
    }
    EXPECT_TRUE(rig.flags.CompletedFlag);
    EXPECT_FALSE(rig.flags.BusyFlag);
    EXPECT_FALSE(rig.port.isOpen());
}

TEST_F(ReadTest, progressReachesOneHundredAndCompletes)
{
    read();
    EXPECT_EQ(rig.host.progress.front(), 0);
    EXPECT_EQ(*std::max_element(rig.host.progress.begin(), rig.host.progress.end()), 100);
    ASSERT_EQ(rig.host.messages.size(), 1u);
    EXPECT_EQ(rig.host.messages[0].text, "Complete!!");
    EXPECT_EQ(rig.host.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(rig.host.messages[0].title, "Read from Radio");
}

TEST_F(ReadTest, decodesTheImageIntoTheRecords)
{
    read();
    Records expected;
    ImageCodec::decode(image, expected);
    EXPECT_EQ(records.userMmsi, expected.userMmsi);
    EXPECT_EQ(records.settings, expected.settings);
    EXPECT_EQ(records.memoryId[0].Mmsid, expected.memoryId[0].Mmsid);
}

struct IdentityCase {
    const char* name;
    int address;
    std::uint8_t value;
    int model;
    bool accepted;
};

class IdentityTest : public ReadTest, public ::testing::WithParamInterface<IdentityCase> {};

TEST_P(IdentityTest, refusesAWrongRadioBeforeReading)
{
    const IdentityCase c = GetParam();
    rig.radio.memory[c.address] = c.value;
    TransferOperation other(rig.port, rig.host, rig.flags, image, records, c.model, rig.options);
    EXPECT_EQ(other.run(OperationType::Read), c.accepted);
    EXPECT_EQ(rig.flags.CompletedFlag, c.accepted);
    if (c.accepted) return;
    EXPECT_TRUE(blockReads().empty());
    ASSERT_EQ(rig.host.messages.size(), 1u);
    EXPECT_EQ(rig.host.messages[0].text, "ModelType Error !!");
    EXPECT_EQ(rig.host.messages[0].title, "Read from Radio");
    EXPECT_EQ(image.bytes, before.bytes);
}

INSTANTIATE_TEST_SUITE_P(Radios, IdentityTest,
                         ::testing::Values(IdentityCase{"firstCopy", 0x0081, 0x31, ModelMr4400, false},
                                           IdentityCase{"secondCopy", 0x7FFF, 0x31, ModelMr4400, false},
                                           IdentityCase{"unknownModel", 0x0000, 0x00, 2, false},
                                           IdentityCase{"mr4400m", 0x0000, 0x00, ModelMr4400M, true},
                                           IdentityCase{"sixthCharacter", 0x0105, 'X', ModelMr4400, false},
                                           IdentityCase{"seventhByte", 0x0106, 'X', ModelMr4400, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReadTest, bothModelCopiesEqualButWrongAreRefused)
{
    rig.radio.memory[0x0081] = 0x31;
    rig.radio.memory[0x7FFF] = 0x31;
    EXPECT_FALSE(read());
    EXPECT_TRUE(rig.host.showed("ModelType Error !!"));
}

TEST_F(ReadTest, debugModeNamesTheFirstWrongProductByte)
{
    rig.flags.DebugMode = true;
    rig.radio.memory[0x0102] = 0x07;
    EXPECT_FALSE(read());
    ASSERT_EQ(rig.host.messages.size(), 2u);
    EXPECT_EQ(rig.host.messages[0].text, "address: 0x102 -> 0x7");
    EXPECT_EQ(rig.host.messages[0].title, "Product Code Error!");
    EXPECT_EQ(rig.host.messages[1].text, "ModelType Error !!");
}

TEST_F(ReadTest, cancelSendsCanPromptlyAndChangesNothing)
{
    std::int64_t cancelledAt = -1;
    std::int64_t canAt = -1;
    rig.host.onEvents = [&] {
        if (cancelledAt < 0 && blockReads().size() == 40) {
            EXPECT_FALSE(transfer.cancel());
            EXPECT_FALSE(transfer.mayClose());
            cancelledAt = rig.clock.now;
        }
    };
    rig.port.beforeWrite = [&](const std::string& w) {
        if (w == "\x18") canAt = rig.clock.now;
    };
    records.userMmsi = "123456789";
    EXPECT_FALSE(read());
    EXPECT_EQ(rig.radio.canCount, 1);
    EXPECT_LE(canAt - cancelledAt, 50);
    EXPECT_TRUE(rig.flags.CancelFlag);
    EXPECT_FALSE(rig.flags.CompletedFlag);
    EXPECT_EQ(image.bytes, before.bytes);
    EXPECT_EQ(records.userMmsi, "123456789");
    EXPECT_TRUE(transfer.mayClose());
    EXPECT_FALSE(rig.port.isOpen());
}

TEST_F(ReadTest, cancelServedDuringAPauseOfTheModelCheckIsNotLost)
{
    // The pause before acknowledging the accepted first model-code reply.
    rig.host.sleepServesEvents = true;
    rig.host.onEvents = [&] {
        if (!rig.radio.frames.empty() && rig.radio.frames.back().address == 0x0080 && !rig.flags.ErrorFlag) {
            transfer.cancel();
        }
    };
    read();
    EXPECT_EQ(rig.radio.frames.back().address, 0x0080);
    EXPECT_TRUE(blockReads().empty());
    EXPECT_TRUE(rig.host.messages.empty());
    EXPECT_FALSE(rig.flags.CompletedFlag);
}

// Pressed in the pause before a block's data reply is acknowledged, Cancel
// ends the read as one pressed during a wait does: CAN, image unchanged,
// and the dialog left open.
TEST_F(ReadTest, cancelInThePauseBeforeASendEndsTheReadLikeAnyCancel)
{
    rig.host.sleepServesEvents = true;
    bool pressed = false;
    rig.host.onEvents = [&] {
        if (!pressed && blockReads().size() == 40 && !rig.flags.ErrorFlag) {
            transfer.cancel();
            pressed = true;
        }
    };
    EXPECT_FALSE(read());
    EXPECT_TRUE(pressed);
    EXPECT_EQ(rig.radio.canCount, 1);
    EXPECT_EQ(blockReads().size(), 40u);
    EXPECT_TRUE(rig.flags.CancelFlag);
    EXPECT_FALSE(rig.flags.CompletedFlag);
    EXPECT_EQ(image.bytes, before.bytes);
}

// A Cancel while the status reply comes in is a cancelled read, not a radio
// found not ready.
TEST_F(ReadTest, cancelDuringTheStatusCheckIsNotRadioNotReady)
{
    bool pressed = false;
    rig.host.onEvents = [&] {
        if (!pressed && !rig.radio.frames.empty() && rig.radio.frames.back().word == "#QMPSR") {
            transfer.cancel();
            pressed = true;
        }
    };
    EXPECT_FALSE(read());
    EXPECT_TRUE(pressed);
    for (const auto& message : rig.host.messages)
        EXPECT_NE(message.text, "Radio not ready!!");
    EXPECT_TRUE(rig.flags.CancelFlag);
    EXPECT_FALSE(rig.flags.CompletedFlag);
    EXPECT_TRUE(blockReads().empty());
}

TEST_F(ReadTest, silentRadioMidReadIsACommunicationError)
{
    rig.radio.fault = [](const SentFrame& f, int) -> std::optional<std::string> {
        if (f.length == 64 && f.address >= 0x1000) return "";
        return std::nullopt;
    };
    EXPECT_FALSE(read());
    EXPECT_EQ(rig.host.messages.back().text, "Communication Error!!");
    EXPECT_EQ(rig.host.messages.back().title, "Read from Radio");
    EXPECT_EQ(image.bytes, before.bytes);
}

TEST_F(ReadTest, busyRadioEndsWithRadioNotReadyAndTheDialogCloses)
{
    rig.radio.status = "01";
    EXPECT_TRUE(read());
    EXPECT_EQ(rig.host.messageTexts(), (std::vector<std::string>{"Radio is busy!!", "Radio not ready!!"}));
    EXPECT_FALSE(rig.flags.CompletedFlag);
    EXPECT_TRUE(blockReads().empty());
}

// A device lost during the status check: a communication failure naming
// the device, and the busy state (pointer, OK and Help) started and ended
// exactly once.
TEST_F(ReadTest, portLostDuringTheStatusCheckFailsAndLeavesNothingBusy)
{
    rig.port.beforeWrite = [](const std::string& written) {
        if (written.rfind("#QMPSR", 0) == 0) throw PortLostError(8, "Input/output error", "/dev/ttyUSB0");
    };
    EXPECT_FALSE(read());
    EXPECT_EQ(rig.host.busyChanges, (std::vector<bool>{true, false}));
    EXPECT_FALSE(rig.flags.BusyFlag);
    EXPECT_TRUE(rig.flags.ErrorFlag);
    EXPECT_FALSE(rig.flags.CancelFlag);
    ASSERT_EQ(rig.host.messages.size(), 1u);
    EXPECT_EQ(rig.host.messages[0].text, "Communication Error!!");
    EXPECT_EQ(rig.host.messages[0].title, "Read from Radio");
    EXPECT_EQ(rig.host.messages[0].detail, "The connection to /dev/ttyUSB0 was lost.");
    EXPECT_EQ(image.bytes, before.bytes);
}

TEST_F(ReadTest, deviceFailureMidReadEndsInOrder)
{
    const std::filesystem::path dir = rig.options.programDir;
    rig.flags.DebugMode = true;
    rig.port.beforeWrite = [&](const std::string&) {
        if (blockReads().size() == 10) throw LinkError(9, "device went away");
    };
    EXPECT_FALSE(read());
    const Message& failure = rig.host.messages.back();
    EXPECT_EQ(failure.text, "9\n\ndevice went away");
    EXPECT_EQ(failure.title, "frmRadio.ReadData");
    EXPECT_TRUE(rig.flags.CancelFlag);
    EXPECT_FALSE(rig.flags.BusyFlag);
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_EQ(image.bytes, before.bytes);
    std::ifstream log(dir / "err.log");
    std::stringstream text;
    text << log.rdbuf();
    EXPECT_NE(text.str().find("frmRadio.ReadData -> 9device went away"), std::string::npos);
}

} // namespace
} // namespace zmp
