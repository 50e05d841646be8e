#include <gtest/gtest.h>

#include "radiosim/linktext.h"
#include "radiosim/radioimage.h"
#include "radiosim/radioprotocol.h"

using namespace zmp::radiosim;

namespace {

HostMessage line(const std::string& text)
{
    return {HostMessage::Kind::Line, text, text + "\r\n"};
}

// A frame as the computer sends it, without CR LF.
HostMessage frame(const std::string& word, const std::vector<std::string>& fields)
{
    const std::string text = LinkText::frame(word, fields);
    return line(text.substr(0, text.size() - 2));
}

HostMessage readRequest(int address, int length)
{
    return frame("#QMPRD", {LinkText::hex(unsigned(address), 4), LinkText::hex(unsigned(length), 2)});
}

HostMessage statusRequest()
{
    return frame("#QMPSR", {"00"});
}

std::string sent(const RadioAnswer& answer)
{
    std::string bytes;
    for (const auto& segment : answer.segments)
        bytes += segment.bytes;
    return bytes;
}

// The data reply that follows the acknowledgement, split into its fields.
std::vector<std::string> dataFields(const RadioAnswer& answer)
{
    const std::string bytes = sent(answer);
    EXPECT_EQ(bytes.substr(0, 8), "#CMDOK\r\n");
    return LinkText::split(bytes.substr(8, bytes.size() - 10));
}

class RadioProtocolTest : public ::testing::Test {
  protected:
    zmp::MemoryImage memory = RadioImage::fresh();
    FaultPlan faults;
};

} // namespace

TEST_F(RadioProtocolTest, answersTheSynchronisation)
{
    RadioProtocol radio(memory, faults);
    EXPECT_EQ(sent(radio.answer({HostMessage::Kind::WakeUp, "P", "P"})), "P");
    EXPECT_EQ(sent(radio.answer({HostMessage::Kind::WakeUpFollow, "0", "0"})), "");
    EXPECT_EQ(sent(radio.answer(line("ACMD:002"))), "OK\r\n");
    EXPECT_EQ(sent(radio.answer(line("#CMDSY"))), "#CMDOK\r\n");
    EXPECT_EQ(sent(radio.answer(line("#CMDOK"))), "");
    EXPECT_EQ(sent(radio.answer(line("#CMDSM"))), "");
    EXPECT_EQ(radio.frameCount(), 0);
}

TEST_F(RadioProtocolTest, answersTheWorkedStatusAndModelCodeReads)
{
    RadioProtocol radio(memory, faults);
    EXPECT_EQ(sent(radio.answer(statusRequest())), "#CMDOK\r\n#QMPSD\t00\t78\r\n");
    EXPECT_EQ(sent(radio.answer(readRequest(0x0080, 2))), "#CMDOK\r\n#QMPDT\t0080\t02\t1130\t76\r\n");
    const auto product = dataFields(radio.answer(readRequest(0x0100, 7)));
    EXPECT_EQ(product[3], "4B5437333952FF"); // "KT739R", then an erased byte
    EXPECT_EQ(dataFields(radio.answer(readRequest(0x7FFE, 2)))[3], "1130");
}

TEST_F(RadioProtocolTest, acceptsLowerCaseAndShortFields)
{
    RadioProtocol radio(memory, faults);
    const auto fields = dataFields(radio.answer(frame("#QMPRD", {"100", "7"})));
    EXPECT_EQ(fields[1], "0100");
    EXPECT_EQ(fields[2], "07");
    EXPECT_EQ(sent(radio.answer(frame("#QMPWR", {"7ffd", "01", "ab"}))), "#CMDOK\r\n");
    EXPECT_EQ(radio.memory()[0x7FFD], 0xAB);
}

TEST_F(RadioProtocolTest, writesChangeTheMemoryAndAreRecorded)
{
    RadioProtocol radio(memory, faults);
    EXPECT_EQ(sent(radio.answer(frame("#QMPWR", {"0286", "03", "0102FE"}))), "#CMDOK\r\n");
    EXPECT_EQ(radio.memory()[0x0286], 1);
    EXPECT_EQ(radio.memory()[0x0288], 0xFE);
    EXPECT_EQ(radio.memory()[0x0289], 0xFF);
    ASSERT_EQ(radio.requests().size(), 1u);
    EXPECT_EQ(radio.requests()[0].kind, RadioRequest::Kind::Write);
    EXPECT_EQ(radio.requests()[0].address, 0x0286);
    EXPECT_EQ(radio.requests()[0].length, 3);
    EXPECT_EQ(dataFields(radio.answer(readRequest(0x0286, 3)))[3], "0102FE");
}

TEST_F(RadioProtocolTest, refusesBadFramesWithoutTouchingTheMemory)
{
    RadioProtocol radio(memory, faults);
    auto wrongSum = frame("#QMPWR", {"0000", "01", "00"});
    wrongSum.text.back() = wrongSum.text.back() == '0' ? '1' : '0';
    EXPECT_EQ(sent(radio.answer(wrongSum)), "ERROR");
    EXPECT_EQ(sent(radio.answer(frame("#QMPWR", {"0000", "02", "00"}))), "ERROR");   // data too short
    EXPECT_EQ(sent(radio.answer(frame("#QMPWR", {"7FFF", "02", "0000"}))), "ERROR"); // past the end
    EXPECT_EQ(sent(radio.answer(frame("#QMPRD", {"0000", "41"}))), "ERROR");         // over one block
    EXPECT_EQ(sent(radio.answer(frame("#QMPRD", {"0000", "00"}))), "ERROR");
    EXPECT_EQ(sent(radio.answer(frame("#QMPXX", {"0000"}))), "ERROR");
    EXPECT_EQ(sent(radio.answer(line("HELLO"))), "ERROR");
    EXPECT_EQ(radio.memory().bytes, memory.bytes);
    EXPECT_EQ(radio.frameCount(), 6);
}

TEST_F(RadioProtocolTest, busyForTheFirstStatusRequestsOnly)
{
    faults.busyStatusCount = 2;
    RadioProtocol radio(memory, faults);
    EXPECT_EQ(sent(radio.answer(statusRequest())), "#CMDOK\r\n#QMPSD\t01\t79\r\n");
    EXPECT_EQ(sent(radio.answer(statusRequest())), "#CMDOK\r\n#QMPSD\t01\t79\r\n");
    EXPECT_EQ(sent(radio.answer(statusRequest())), "#CMDOK\r\n#QMPSD\t00\t78\r\n");
}

TEST_F(RadioProtocolTest, silentAndRefusedFramesCountRetries)
{
    faults.silentFrames.parse("2");
    faults.refusedFrames.parse("3-4");
    RadioProtocol radio(memory, faults);
    EXPECT_FALSE(sent(radio.answer(statusRequest())).empty());
    const auto silent = radio.answer(statusRequest());
    EXPECT_TRUE(silent.segments.empty());
    EXPECT_FALSE(silent.note.empty());
    EXPECT_EQ(sent(radio.answer(readRequest(0, 64))), "ERROR");
    EXPECT_EQ(sent(radio.answer(readRequest(0, 64))), "ERROR");
    EXPECT_EQ(dataFields(radio.answer(readRequest(0, 64))).size(), 5u);
}

TEST_F(RadioProtocolTest, corruptsTheChosenDataReplies)
{
    faults.badChecksumReplies.parse("1");
    faults.badAddressReplies.parse("2");
    faults.badLengthReplies.parse("3");
    RadioProtocol radio(memory, faults);
    const auto reply = [&](int address, int length) {
        const std::string bytes = sent(radio.answer(readRequest(address, length)));
        return bytes.substr(8, bytes.size() - 10);
    };
    EXPECT_FALSE(LinkText::checksumValid(reply(0x0040, 64)));
    const std::string wrongAddress = reply(0x0040, 64);
    EXPECT_TRUE(LinkText::checksumValid(wrongAddress));
    EXPECT_NE(LinkText::split(wrongAddress)[1], "0040");
    const std::string wrongLength = reply(0x0040, 64);
    EXPECT_TRUE(LinkText::checksumValid(wrongLength));
    EXPECT_NE(LinkText::split(wrongLength)[2], "40");
    EXPECT_EQ(LinkText::split(wrongLength)[3].size(), 128u);
    const auto good = LinkText::split(reply(0x0040, 64));
    EXPECT_EQ(good[1], "0040");
    EXPECT_EQ(good[2], "40");
}

TEST_F(RadioProtocolTest, hangsUpAfterAnsweringTheChosenFrame)
{
    faults.hangUpAfterFrames = 2;
    RadioProtocol radio(memory, faults);
    EXPECT_FALSE(radio.answer(statusRequest()).hangUp);
    const auto last = radio.answer(readRequest(0, 64));
    EXPECT_TRUE(last.hangUp);
    EXPECT_EQ(dataFields(last).size(), 5u);
}

TEST_F(RadioProtocolTest, delaysApplyToTheirSegments)
{
    faults.replyDelayMs = 30;
    faults.dataDelayMs = 7;
    RadioProtocol radio(memory, faults);
    const auto answer = radio.answer(readRequest(0, 1));
    ASSERT_EQ(answer.segments.size(), 2u);
    EXPECT_EQ(answer.segments[0].delayMs, 30);
    EXPECT_EQ(answer.segments[1].delayMs, 7);
    EXPECT_EQ(radio.answer(line("#CMDSY")).segments.at(0).delayMs, 30);
}

TEST_F(RadioProtocolTest, linkModeAndEchoFaults)
{
    faults.refuseLinkMode = true;
    faults.silentWakeUps = 2;
    RadioProtocol radio(memory, faults);
    const HostMessage wakeUp{HostMessage::Kind::WakeUp, "P", "P"};
    EXPECT_EQ(sent(radio.answer(wakeUp)), "");
    EXPECT_EQ(sent(radio.answer(wakeUp)), "");
    EXPECT_EQ(sent(radio.answer(wakeUp)), "P");
    EXPECT_EQ(sent(radio.answer(line("ACMD:002"))), "ERROR\r\n");
}

TEST_F(RadioProtocolTest, cancelDropsWhatIsStillQueued)
{
    RadioProtocol radio(memory, faults);
    const auto answer = radio.answer({HostMessage::Kind::Cancel, "\x18", "\x18"});
    EXPECT_TRUE(answer.discardPending);
    EXPECT_TRUE(answer.segments.empty());
    EXPECT_EQ(radio.requests().back().kind, RadioRequest::Kind::Cancel);
}
