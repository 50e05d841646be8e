#include <gtest/gtest.h>

#include <QCoreApplication>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "link/radiolink.h"
#include "link/statuscheck.h"
#include "link/synchroniser.h"
#include "model/processflags.h"
#include "platform/qtserialport.h"

namespace zmp {
namespace {

// A host on the real clock that serves Qt's events as the dialog would.
class RealHost : public LinkHost {
  public:
    MessageAnswer showMessage(const Message& message) override
    {
        messages.push_back(message.text);
        return message.defaultAnswer;
    }
    void showStatus(const std::string&) override {}
    void showProgress(int) override {}
    void setBusy(bool) override {}
    void processEvents() override { QCoreApplication::processEvents(); }
    void sleep(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
    std::int64_t nowMs() override
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    std::vector<std::string> messages;
};

// The radio's end of the pseudo-terminal, answering the start of a
// connection and the status request from a thread of its own.
class PtyRadio {
  public:
    PtyRadio()
    {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) slave = ptsname(master_);
        thread_ = std::thread([this] { serve(); });
    }
    ~PtyRadio()
    {
        stop_ = true;
        thread_.join();
        ::close(master_);
    }

    std::string slave;
    std::atomic<int> requests{0};

  private:
    void serve()
    {
        std::string line;
        pollfd fd{master_, POLLIN, 0};
        while (!stop_) {
            char c = 0;
            if (::poll(&fd, 1, 20) <= 0 || ::read(master_, &c, 1) != 1) continue;
            if (line.empty() && (c == 'P' || c == '0')) {
                if (c == 'P') send("P");
                continue;
            }
            line += c;
            if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0) {
                answer(line);
                line.clear();
            }
        }
    }
    void answer(const std::string& line)
    {
        ++requests;
        if (line == "ACMD:002\r\n") send("OK\r\n");
        if (line == "#CMDSY\r\n") send("#CMDOK\r\n");
        if (line.rfind("#QMPSR", 0) == 0) send("#CMDOK\r\n#QMPSD\t00\t78\r\n");
    }
    void send(const std::string& bytes) const
    {
        EXPECT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    int master_ = -1;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

TEST(SerialLink, synchronisesAndChecksStatusOverAPseudoTerminal)
{
    PtyRadio radio;
    ASSERT_FALSE(radio.slave.empty());
    QtSerialPort port{SerialPortNames(nullptr, [] { return std::vector<SerialDevice>(); })};
    port.setDevicePath(radio.slave);
    RealHost host;
    ProcessFlags flags;
    const LinkContext context{port, host, flags, LinkOptions{}, "Read from Radio"};
    const RadioLink link(context);
    ASSERT_TRUE(Synchroniser(link).run());
    EXPECT_TRUE(StatusCheck(link).run());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(flags.ErrorFlag);
    EXPECT_TRUE(port.isOpen());
}

} // namespace
} // namespace zmp
