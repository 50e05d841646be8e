#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link/serialport.h"
#include "model/processflags.h"

namespace zmp {

// What probing one serial device found.
enum class ProbeVerdict {
    Radio,     // it echoed the wake-up byte and answered the model query
    NotARadio, // it echoed the wake-up byte but failed the model query
    Silent,    // no lone echo within a second: nothing more was sent
    Busy,      // another program holds it: not probed
    Unusable,  // it would not open
};

struct ProbeResult {
    std::string device;
    ProbeVerdict verdict = ProbeVerdict::Silent;
    std::string seen; // what the probe saw, for the user: the reason it would not open, the query's failure

    // "radio found", "no answer", "busy: ... (not probed)", ...
    std::string text() const;
};

// Which serial devices have a radio on them. A device another program
// holds is left alone. Every other is woken with one byte, and only the
// radio's lone echo within a second counts (a device that streams text,
// such as a GPS, does not pass); a device that did not answer is sent
// nothing more. One that did is asked for its model code, as every
// transfer does first. Each device is given at most two seconds.
class RadioFinder {
  public:
    using PortFactory = std::function<std::unique_ptr<SerialPort>(const std::string& device)>;
    // Why another program holds the device; empty when it is free.
    using HeldElsewhere = std::function<std::string(const std::string& device)>;

    RadioFinder(PortFactory makePort, HeldElsewhere heldElsewhere, int model, const ProcessFlags& switches);

    ProbeResult probe(const std::string& device) const;
    std::vector<ProbeResult> probeAll(const std::vector<std::string>& devices) const;

    // The devices a radio was found on.
    static std::vector<std::string> radios(const std::vector<ProbeResult>& results);

    static constexpr int DeviceMs = 2000;

  private:
    ProbeResult queryModel(SerialPort& port, const std::string& device,
                           std::chrono::steady_clock::time_point deadline) const;

    PortFactory makePort_;
    HeldElsewhere heldElsewhere_;
    int model_;
    ProcessFlags switches_;
};

} // namespace zmp
