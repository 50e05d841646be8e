#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "files/memorysettingsstore.h"
#include "link/linkhost.h"
#include "link/operationtype.h"
#include "link/serialport.h"
#include "model/memoryimage.h"
#include "model/processflags.h"
#include "model/records.h"
#include "radiosim/radiosim.h"

namespace zmp::test {

// A host on the real clock that records what the link shows. Pauses are
// cut to a tenth: the emulator answers at once, so the protocol's pauses
// only cost test time. Message boxes are answered from a script, then
// with OK or, where there is a choice, Cancel.
class PtyHost : public LinkHost {
  public:
    MessageAnswer showMessage(const Message& message) override;
    void showStatus(const std::string& text) override { statuses.push_back(text); }
    void showProgress(int percent) override { progress.push_back(percent); }
    void setBusy(bool) override {}
    void processEvents() override;
    void sleep(int ms) override;
    std::int64_t nowMs() override;

    bool showed(const std::string& text) const;

    std::deque<MessageAnswer> answers;
    std::vector<Message> messages;
    std::vector<std::string> statuses;
    std::vector<int> progress;
    std::function<void()> onEvents;
};

// One transfer from start to end: the emulator on its own thread and
// pseudo-terminal, the link on the real serial-port adapter at the other
// end, an image and records for model 1.
class PtyLinkRig {
  public:
    // radioMemory: what the emulated radio holds; options: its faults.
    explicit PtyLinkRig(const MemoryImage& radioMemory, const radiosim::SimOptions& options = unpaced());
    ~PtyLinkRig();

    // Runs the operation as the OK button does, then stops the radio so
    // that its memory and requests can be read. Returns run()'s result.
    bool run(OperationType type);
    // The Cancel button, for use from host.onEvents.
    void cancel();

    const radiosim::RadioProtocol& radio() const { return sim_.protocol(); }
    const std::string& devicePath() const { return sim_.devicePath(); }
    std::vector<radiosim::RadioRequest> requestsOf(radiosim::RadioRequest::Kind kind) const;

    static radiosim::SimOptions unpaced();

    PtyHost host;
    ProcessFlags flags;
    MemoryImage image;
    Records records;
    bool hungUp = false;

  private:
    void stopRadio();

    MemorySettingsStore settings_;
    radiosim::RadioSim sim_;
    std::thread thread_;
    std::unique_ptr<SerialPort> port_;
    std::function<bool()> cancel_;
};

// A radio memory whose every byte tells its address apart from its
// neighbours, with the identity the link checks in place.
MemoryImage patternedRadio();

} // namespace zmp::test
