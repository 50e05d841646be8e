#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cliradiofixture.h"
#include "platform/serialdeviceuse.h"
#include "radiosim/radioimage.h"

namespace zmp {
namespace {

using test::CliResult;

// A pseudo-terminal nothing answers on; the test holds its master side
// and sees every byte sent to the device.
class QuietLine {
  public:
    QuietLine()
    {
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
        device_ = ptsname(master_);
        // Raw from the start, as a serial line is: no echo of what the device sends.
        const int slave = ::open(device_.c_str(), O_RDWR | O_NOCTTY);
        termios raw{};
        if (slave >= 0 && ::tcgetattr(slave, &raw) == 0) {
            ::cfmakeraw(&raw);
            ::tcsetattr(slave, TCSANOW, &raw);
        }
        if (slave >= 0) ::close(slave);
    }
    virtual ~QuietLine()
    {
        if (holder_ >= 0) ::close(holder_);
        if (master_ >= 0) ::close(master_);
    }
    const std::string& device() const { return device_; }
    // Everything sent to the device so far.
    std::string received()
    {
        char buffer[256];
        for (ssize_t n; (n = ::read(master_, buffer, sizeof buffer)) > 0;)
            received_.append(buffer, static_cast<std::size_t>(n));
        return received_;
    }
    // Opened by "another program" that asked for it alone.
    void holdExclusively()
    {
        holder_ = ::open(device_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(holder_, 0);
        ASSERT_EQ(::ioctl(holder_, TIOCEXCL), 0);
    }

  protected:
    int master_ = -1;

  private:
    int holder_ = -1;
    std::string device_;
    std::string received_;
};

// A device that streams text without being asked, as a GPS does.
class StreamingLine : public QuietLine {
  public:
    StreamingLine()
    {
        writer_ = std::thread([this] {
            const std::string sentence =
                "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";
            while (!stop_) {
                if (::write(master_, sentence.data(), sentence.size()) < 0) {
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });
    }
    ~StreamingLine() override
    {
        stop_ = true;
        writer_.join();
    }

  private:
    std::atomic<bool> stop_{false};
    std::thread writer_;
};

class CliPortsTest : public test::CliRadioFixture {
  protected:
    void offer(const std::vector<std::string>& devices)
    {
        environment.portCandidates = [devices] {
            std::vector<ListedPort> ports;
            for (const std::string& device : devices)
                ports.push_back({device, device + "  test line"});
            return ports;
        };
        environment.portHeldElsewhere = SerialDeviceUse::heldElsewhere;
    }
};

// The radio is found, and a line that does not echo the wake-up byte alone
// (silent, or streaming) is sent that byte and nothing more; a line another
// program holds is not touched.
TEST_F(CliPortsTest, probeFindsTheRadioAndSendsOthersOneByte)
{
    QuietLine silent;
    StreamingLine gps;
    QuietLine held;
    held.holdExclusively();
    startRadio(radiosim::RadioImage::fresh());
    const std::string radio = sim->devicePath();
    offer({silent.device(), radio, gps.device(), held.device()});
    const CliResult listed = run({"ports"});
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out, silent.device() + "  test line\n" + radio + "  test line\n" + gps.device() +
                              "  test line\n" + held.device() +
                              "  test line  (busy: in use by another program)\n");
    gps.received();
    const CliResult probed = run({"ports", "--probe"});
    stopRadio();
    EXPECT_EQ(probed.status, 0) << probed.err;
    EXPECT_EQ(probed.out, silent.device() + ": no answer\n" + radio + ": radio found\n" + gps.device() +
                              ": no answer\n" + held.device() +
                              ": busy: in use by another program (not probed)\n");
    EXPECT_EQ(silent.received(), "P");
    EXPECT_EQ(gps.received(), "P");
    EXPECT_EQ(held.received(), "");
}

// --port auto: one radio is used, none fails, several make the user choose.
TEST_F(CliPortsTest, portAutoUsesTheOneRadioFound)
{
    for (const int count : {1, 0, 2}) {
        SCOPED_TRACE(count);
        QuietLine silent;
        std::vector<std::unique_ptr<test::RunningRadio>> radios;
        std::vector<std::string> devices{silent.device()};
        for (int k = 0; k < count; ++k) {
            radios.push_back(std::make_unique<test::RunningRadio>(radiosim::RadioImage::fresh()));
            devices.push_back(radios.back()->devicePath());
        }
        const std::string told = count == 0 ? "zmp-cli: no radio found; is the radio on and in PC mode?\n  " +
                                                  silent.device() + ": no answer\n"
                                 : count == 1
                                     ? "zmp-cli: radio found on " + devices[1] + "\n"
                                     : "zmp-cli: a radio answers on 2 devices; choose one with --port:\n  " +
                                           devices[1] + "\n  " + devices[2] + "\n";
        const int status[] = {1, 0, 2};
        offer(devices);
        std::filesystem::remove(file("radio.dat"));
        const CliResult result = run({"--yes", "--port", "auto", "read", path("radio.dat")});
        for (auto& running : radios)
            running->stop();
        EXPECT_EQ(result.status, status[count]) << result.err;
        EXPECT_EQ(result.err.substr(0, told.size()), told) << result.err;
        EXPECT_EQ(std::filesystem::exists(file("radio.dat")), count == 1);
        EXPECT_EQ(silent.received(), "P");
    }
}

} // namespace
} // namespace zmp
