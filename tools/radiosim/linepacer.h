#pragma once

#include <chrono>

namespace zmp::radiosim {

// One direction of a serial line: bytes pass one after another, each
// taking ten bit times (start bit, eight data bits, stop bit).
class LinePacer {
  public:
    using Clock = std::chrono::steady_clock;

    static Clock::duration byteTime(int bitsPerSecond);

    // When a byte that may start at earliest has fully passed, given the
    // bytes already on the line. A rate of 0 passes bytes at once.
    Clock::time_point pass(Clock::time_point earliest, int bitsPerSecond);

    // Forgets the bytes on the line (they were discarded).
    void reset(Clock::time_point now) { free_ = now; }
    Clock::time_point freeAt() const { return free_; }

  private:
    Clock::time_point free_{};
};

} // namespace zmp::radiosim
