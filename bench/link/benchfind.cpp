// bench-find: Find Radio over eight serial devices that do not answer
// (pseudo-terminals nobody answers on), then over the same eight with the
// emulated radio, at 57600 baud, beside them, through the real serial-port
// adapter and on the real clock. Prints the wall time of each sweep and the
// time a device took. Goal: the eight silent devices within 16 s (2 s a
// device at most); the radio found.
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <QCoreApplication>

#include "fleetlink/radiofinder.h"
#include "platform/qtserialport.h"
#include "platform/serialdeviceuse.h"
#include "radiosim/radioimage.h"
#include "radiosim/radiosim.h"
#include "support/quietline.h"

using namespace zmp;

namespace {

constexpr int SilentDevices = 8;
constexpr double GoalSeconds = 16.0;

double sweep(const char* name, const std::vector<std::string>& devices)
{
    const RadioFinder finder(
        [](const std::string& device) {
            auto port = std::make_unique<QtSerialPort>(SerialPortNames(nullptr));
            port->setDevicePath(device);
            return port;
        },
        SerialDeviceUse::heldElsewhere, 1, ProcessFlags{});
    const auto start = std::chrono::steady_clock::now();
    const std::vector<ProbeResult> results = finder.probeAll(devices);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-22s %2zu devices  %6.2f s  %5.2f s a device  radios found: %zu\n", name, devices.size(),
                seconds, seconds / static_cast<double>(devices.size()), RadioFinder::radios(results).size());
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    std::vector<std::unique_ptr<test::QuietLine>> lines;
    std::vector<std::string> devices;
    for (int k = 0; k < SilentDevices; ++k) {
        lines.push_back(std::make_unique<test::QuietLine>());
        devices.push_back(lines.back()->device());
    }
    const double silent = sweep("silent", devices);
    radiosim::SimOptions options;
    options.baud = 57600;
    radiosim::RadioSim sim(radiosim::RadioImage::fresh(), options);
    std::thread radio([&sim] { sim.run(); });
    devices.push_back(sim.devicePath());
    sweep("silent and a radio", devices);
    sim.stop();
    radio.join();
    std::printf("goal: %d silent devices within %.0f s: %s\n", SilentDevices, GoalSeconds,
                silent <= GoalSeconds ? "met" : "MISSED");
    return silent <= GoalSeconds ? 0 : 1;
}
