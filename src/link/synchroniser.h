#pragma once

#include "link/radiolink.h"

namespace zmp {

// The start of every connection: wake-up byte, link mode at 19200 baud,
// the switch to the transfer speed and the re-synchronisation.
class Synchroniser {
  public:
    explicit Synchroniser(const RadioLink& link) : link_(link) {}

    bool run() const;

    static constexpr int EchoSeconds = 1;
    static constexpr int LinkModeSeconds = 1;
    static constexpr int SettleMs = 1000;

  private:
    bool wakeUp() const;                       // true: the radio echoed
    bool linkModeAccepted(bool& silent) const; // false: the operation stops
    bool noConnection(const std::string& seen) const;

    const RadioLink& link_;
};

} // namespace zmp
