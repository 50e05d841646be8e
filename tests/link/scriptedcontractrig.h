#pragma once

#include <functional>
#include <memory>

#include "linktestsupport.h"
#include "support/contractrig.h"

namespace zmp::test {

struct FakeClockHolder {
    FakeClock clock;
};

// The link contract's rig in memory: the scripted port with the mini
// radio behind it, on a fake clock.
class ScriptedContractRig : private FakeClockHolder, public ContractRig {
  public:
    ScriptedContractRig(const MemoryImage& radioMemory, const RadioFaults& faults);

    bool run(OperationType type, int model) override;
    void cancel() override;
    bool portOpenAfterRun() const override { return portOpen_; }
    const MemoryImage& radioMemory() const override { return radio_.memory; }
    std::vector<SeenRequest> requests() const override;
    int cancelsReceived() const override { return radio_.canCount; }

    static std::unique_ptr<ContractRig> make(const MemoryImage& radioMemory, const RadioFaults& faults);

  private:
    ScriptedPort port_{clock};
    MiniRadio radio_;
    LinkOptions options_{1, scratchFolder().string()};
    std::function<void()> cancel_;
    bool portOpen_ = false;
};

} // namespace zmp::test
