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
    EXPECT_EQ(rig.host.messages[0].detail,
              "The connection to /dev/ttyUSB0 was lost."
              " Is the radio switched on and in PC mode, and the cable plugged in? Then try again.");
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
