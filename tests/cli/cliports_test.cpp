#include <gtest/gtest.h>

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
#include "support/quietline.h"

namespace zmp {
namespace {

using test::CliResult;
using test::QuietLine;

// A device that streams text without being asked, as a GPS does.
class StreamingLine : public QuietLine {
  public:
    StreamingLine()
    {
        writer_ = std::thread([this] {
            const std::string sentence =
                "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";
            while (!stop_) {
                sendFromDevice(sentence);
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
    ASSERT_TRUE(held.holdExclusively());
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

// --json: the same facts, one object a device, null for "not busy".
TEST_F(CliPortsTest, jsonListsAndProbesOneObjectADevice)
{
    QuietLine silent;
    QuietLine held;
    ASSERT_TRUE(held.holdExclusively());
    offer({silent.device(), held.device()});
    const CliResult listed = run({"ports", "--json"});
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out, "[\n  {\"device\": \"" + silent.device() + "\", \"label\": \"" + silent.device() +
                              "  test line\", \"busy\": null},\n  {\"device\": \"" + held.device() +
                              "\", \"label\": \"" + held.device() +
                              "  test line\", \"busy\": \"in use by another program\"}\n]\n");
    const CliResult probed = run({"ports", "--probe", "--json"});
    EXPECT_EQ(probed.status, 1) << probed.err;
    EXPECT_EQ(probed.out, "[\n  {\"device\": \"" + silent.device() +
                              "\", \"radio\": false, \"result\": \"no answer\"},\n  {\"device\": \"" +
                              held.device() +
                              "\", \"radio\": false, \"result\": \"busy: in use by another program (not "
                              "probed)\"}\n]\n");
    offer({});
    const CliResult none = run({"ports", "--json"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "[]\n");
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
