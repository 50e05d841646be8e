#pragma once

#include <cstdint>

namespace zmp::test {

// The time a test's link host runs on.
class HostClock {
  public:
    virtual ~HostClock() = default;
    virtual std::int64_t nowMs() = 0;
    // A pause of the protocol.
    virtual void pause(int ms) = 0;
};

// Time as the link sees it in memory: pauses and a scripted port's idle
// waits move it on, so the link's deadlines pass without real waiting.
class FakeClock : public HostClock {
  public:
    std::int64_t nowMs() override { return now; }
    void pause(int ms) override { now += ms; }

    std::int64_t now = 0;
};

// The real clock with the protocol's pauses cut to a tenth: the emulator
// answers at once, so the pauses only cost test time. Deadlines run in
// full, so a silent radio is still found silent.
class ShortPauseClock : public HostClock {
  public:
    std::int64_t nowMs() override;
    void pause(int ms) override;
};

} // namespace zmp::test
