#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include "radiosim/linktext.h"
#include "radiosim/radioimage.h"
#include "radiosim/radiosim.h"
#include "support/ptyclient.h"
#include "support/runningradio.h"
#include "support/scratchfolder.h"

using namespace zmp::radiosim;
using zmp::test::PtyClient;

namespace {

std::string statusFrame()
{
    return LinkText::frame("#QMPSR", {"00"});
}

SimOptions unpaced()
{
    return zmp::test::RunningRadio::unpaced();
}

// The emulator on a thread of its own, with a fresh radio's memory.
class RunningSim : public zmp::test::RunningRadio {
  public:
    explicit RunningSim(const SimOptions& options, const std::string& log = {})
        : RunningRadio(RadioImage::fresh(), options, log)
    {
        if (!log.empty()) {
            EXPECT_TRUE(logOpened());
        }
    }
};

std::string scratchFile(const std::string& name)
{
    return (zmp::test::scratchFolder() / name).string();
}

} // namespace

TEST(RadioSim, answersOverThePseudoTerminal)
{
    RunningSim radio(unpaced());
    PtyClient computer(radio.sim.devicePath());
    ASSERT_TRUE(computer.isOpen());
    computer.send("P");
    EXPECT_EQ(computer.readUntil("P"), "P");
    computer.send(statusFrame());
    EXPECT_EQ(computer.readUntil("#QMPSD\t00\t78\r\n"), "#CMDOK\r\n#QMPSD\t00\t78\r\n");
    computer.send(LinkText::frame("#QMPWR", {"0286", "01", "5A"}));
    EXPECT_EQ(computer.readUntil("#CMDOK\r\n"), "#CMDOK\r\n");
    radio.stop();
    EXPECT_FALSE(radio.hungUp());
    EXPECT_EQ(radio.sim.protocol().memory()[0x0286], 0x5A);
    EXPECT_EQ(radio.sim.stats().computerMessages, 3);
    EXPECT_EQ(radio.sim.stats().computerBytes, long(1 + statusFrame().size() + 22));
    EXPECT_EQ(radio.sim.stats().radioBytes, 1 + 8 + 14 + 8);
}

TEST(RadioSim, keepsTheLineWhenTheComputerReopensItsPort)
{
    RunningSim radio(unpaced());
    {
        PtyClient first(radio.sim.devicePath());
        first.send("#CMDSY\r\n");
        EXPECT_EQ(first.readUntil("#CMDOK\r\n"), "#CMDOK\r\n");
    }
    PtyClient second(radio.sim.devicePath());
    ASSERT_TRUE(second.isOpen());
    second.send(statusFrame());
    EXPECT_EQ(second.readUntil("#QMPSD\t00\t78\r\n"), "#CMDOK\r\n#QMPSD\t00\t78\r\n");
}

TEST(RadioSim, cancelDropsTheAnswerStillOnItsWay)
{
    SimOptions options = unpaced();
    options.faults.replyDelayMs = 300;
    RunningSim radio(options);
    PtyClient computer(radio.sim.devicePath());
    computer.send(LinkText::frame("#QMPRD", {"0000", "40"}));
    computer.send("\x18");
    computer.send("#CMDSY\r\n");
    // Only the answer to the synchronisation request may come.
    EXPECT_EQ(computer.readUntil("#CMDOK\r\n"), "#CMDOK\r\n");
}

TEST(RadioSim, hangUpDropsTheLineAfterTheChosenFrame)
{
    SimOptions options = unpaced();
    options.faults.hangUpAfterFrames = 2;
    RunningSim radio(options);
    PtyClient computer(radio.sim.devicePath());
    computer.send(statusFrame());
    EXPECT_EQ(computer.readUntil("#QMPSD\t00\t78\r\n"), "#CMDOK\r\n#QMPSD\t00\t78\r\n");
    computer.send(LinkText::frame("#QMPRD", {"0080", "02"}));
    EXPECT_EQ(computer.readUntil("\t76\r\n"), "#CMDOK\r\n#QMPDT\t0080\t02\t1130\t76\r\n");
    EXPECT_TRUE(computer.waitForHangUp());
    radio.waitUntilEnded();
    EXPECT_TRUE(radio.hungUp());
}

TEST(RadioSim, logsEveryMessageWithItsSender)
{
    const std::string log = scratchFile("traffic.log");
    SimOptions options = unpaced();
    options.faults.busyStatusCount = 1;
    {
        RunningSim radio(options, log);
        PtyClient computer(radio.sim.devicePath());
        computer.send(statusFrame());
        computer.readUntil("#QMPSD\t01\t79\r\n");
    }
    std::ifstream in(log);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line.substr(line.find(' ') + 1));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "PC #QMPSR\\t00\\t6E\\r\\n");
    EXPECT_EQ(lines[1], "NOTE fault: busy");
    EXPECT_EQ(lines[2], "RADIO #CMDOK\\r\\n");
    EXPECT_EQ(lines[3], "RADIO #QMPSD\\t01\\t79\\r\\n");
}

TEST(PtyPort, seesTheSpeedAndTheUnreadBytesOfTheComputersEnd)
{
    PtyPort port;
    EXPECT_EQ(port.lineRate(), 19200);
    const int computer = ::open(port.slavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(computer, 0);
    termios settings{};
    tcgetattr(computer, &settings);
    cfsetispeed(&settings, B57600);
    cfsetospeed(&settings, B57600);
    tcsetattr(computer, TCSANOW, &settings);
    EXPECT_EQ(port.lineRate(), 57600);

    const std::uint8_t bytes[] = {'#', 'C', 'M'};
    EXPECT_EQ(port.write(bytes, sizeof bytes), 3);
    char buffer[8];
    pollfd fd{computer, POLLIN, 0};
    ASSERT_EQ(::poll(&fd, 1, 5000), 1);
    EXPECT_EQ(port.unread(), 3);
    EXPECT_EQ(::read(computer, buffer, sizeof buffer), 3);
    EXPECT_EQ(port.unread(), 0);
    ::close(computer);
}
