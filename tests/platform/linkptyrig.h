#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "files/memorysettingsstore.h"
#include "link/operationtype.h"
#include "link/serialport.h"
#include "model/memoryimage.h"
#include "radiosim/radiosim.h"
#include "support/contractrig.h"
#include "support/hostclock.h"
#include "support/runningradio.h"

namespace zmp::test {

struct ShortPauseClockHolder {
    ShortPauseClock clock;
};

// One transfer from start to end: the emulator on its own thread and
// pseudo-terminal, the link on the real serial-port adapter at the other
// end. Message boxes are answered from the host's script, then declined.
class PtyLinkRig : private ShortPauseClockHolder, public ContractRig {
  public:
    // radioMemory: what the emulated radio holds; options: its faults.
    explicit PtyLinkRig(const MemoryImage& radioMemory,
                        const radiosim::SimOptions& options = RunningRadio::unpaced());

    // Runs the operation as the OK button does, then stops the radio so
    // that its memory and requests can be read. Returns run()'s result.
    bool run(OperationType type, int model = ModelMr4400) override;
    void cancel() override;
    bool portOpenAfterRun() const override { return portOpen_; }
    const MemoryImage& radioMemory() const override { return radio().memory(); }
    std::vector<SeenRequest> requests() const override;
    int cancelsReceived() const override;

    const radiosim::RadioProtocol& radio() const { return running_.sim.protocol(); }
    const std::string& devicePath() const { return running_.devicePath(); }
    bool hungUp() const { return running_.hungUp(); }
    using ContractRig::requestsOf;
    std::vector<radiosim::RadioRequest> requestsOf(radiosim::RadioRequest::Kind kind) const;

    static std::unique_ptr<ContractRig> make(const MemoryImage& radioMemory, const RadioFaults& faults);

  private:
    MemorySettingsStore settings_;
    RunningRadio running_;
    std::unique_ptr<SerialPort> port_;
    std::function<bool()> cancel_;
    bool portOpen_ = false;
};

} // namespace zmp::test
