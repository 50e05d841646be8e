#pragma once

#include <string>
#include <thread>

#include "model/memoryimage.h"
#include "radiosim/radiosim.h"

namespace zmp::test {

// zmp-radio-sim's radio on a thread of its own and a pseudo-terminal the
// test opens itself. The radio is stopped and its thread joined when the
// object goes; sim's protocol and statistics may be read once it has
// ended (stop() or waitUntilEnded()).
class RunningRadio {
  public:
    // log: a traffic log to keep, none when empty.
    explicit RunningRadio(const MemoryImage& memory, const radiosim::SimOptions& options = unpaced(),
                          const std::string& log = {});
    ~RunningRadio();
    RunningRadio(const RunningRadio&) = delete;
    RunningRadio& operator=(const RunningRadio&) = delete;

    const std::string& devicePath() const { return sim.devicePath(); }
    // Ends the radio unless it has ended already.
    void stop();
    // Waits for the radio to end on its own, as a hang-up fault does.
    void waitUntilEnded();
    bool logOpened() const { return logOpened_; }
    bool hungUp() const { return hungUp_; }

    // Answers at once: the tests have no line speed to wait for.
    static radiosim::SimOptions unpaced();

    radiosim::RadioSim sim;

  private:
    bool logOpened_ = false;
    bool hungUp_ = false;
    std::thread thread_;
};

} // namespace zmp::test
