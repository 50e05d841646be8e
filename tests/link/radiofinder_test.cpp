#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fleetlink/radiofinder.h"
#include "linktestsupport.h"

namespace zmp {
namespace {

using test::FakeClock;
using test::MiniRadio;
using test::ScriptedPort;

// One device, what it does with what it is sent, and what the finder must
// make of it: only a lone echo of the wake-up byte counts, and a device
// that gives none is sent that byte and nothing more.
struct Device {
    const char* name;
    std::function<std::string(MiniRadio& radio, const std::string& written)> answer;
    ProbeVerdict verdict;
    std::string seen;
    bool onlyWakeUp; // nothing but the wake-up byte was sent
};

std::string radioAnswer(MiniRadio& radio, const std::string& written)
{
    return radio.answer(written);
}

TEST(RadioFinder, countsOnlyALoneEchoAndSendsNothingMoreToOthers)
{
    const std::vector<Device> devices{
        {"radio", radioAnswer, ProbeVerdict::Radio, "", false},
        {"silent", [](MiniRadio&, const std::string&) { return std::string(); }, ProbeVerdict::Silent, "",
         true},
        {"gps", [](MiniRadio&, const std::string&) { return std::string("$GPGGA,123519,4807.038,N*47\r\n"); },
         ProbeVerdict::Silent, "", true},
        {"echo and more", [](MiniRadio&, const std::string& w) { return w + "OK\r\n"; }, ProbeVerdict::Silent,
         "", true},
        {"loopback", [](MiniRadio&, const std::string& w) { return w; }, ProbeVerdict::NotARadio, "error!!",
         false},
        {"other model",
         [](MiniRadio& radio, const std::string& w) {
             radio.memory[128] = 0x12;
             radio.memory[radio.memory.lastAddress - 1] = 0x12;
             return radio.answer(w);
         },
         ProbeVerdict::NotARadio, "ModelType Error !!", false},
    };
    for (const Device& device : devices) {
        SCOPED_TRACE(device.name);
        FakeClock clock;
        MiniRadio radio;
        std::vector<std::string> written;
        const RadioFinder finder(
            [&](const std::string&) {
                auto port = std::make_unique<ScriptedPort>(clock);
                port->responder = [&](const std::string& w) {
                    written.push_back(w);
                    return device.answer(radio, w);
                };
                return port;
            },
            [](const std::string&) { return std::string(); }, 1, ProcessFlags{});
        const ProbeResult result = finder.probe(device.name);
        EXPECT_EQ(result.verdict, device.verdict);
        EXPECT_EQ(result.seen.substr(0, device.seen.size()), device.seen);
        if (device.onlyWakeUp)
            EXPECT_EQ(written, std::vector<std::string>{"P"});
        else
            EXPECT_GT(written.size(), 1u);
    }
}

// A device another program holds is never opened; one that will not open says why.
TEST(RadioFinder, leavesABusyDeviceAlone)
{
    FakeClock clock;
    int made = 0;
    const RadioFinder finder(
        [&](const std::string&) {
            ++made;
            auto port = std::make_unique<ScriptedPort>(clock);
            port->opens = false;
            return port;
        },
        [](const std::string& device) { return device == "held" ? "in use by another program" : ""; }, 1,
        ProcessFlags{});
    const std::vector<ProbeResult> results = finder.probeAll({"held", "gone"});
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0].text(), "busy: in use by another program (not probed)");
    EXPECT_EQ(results[1].text(), "cannot be opened: no such port");
    EXPECT_EQ(made, 1);
    EXPECT_TRUE(RadioFinder::radios(results).empty());
}

} // namespace
} // namespace zmp
