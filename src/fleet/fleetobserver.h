#pragma once

#include "fleet/fleetradio.h"

namespace zmp {

// Told of every change of a radio's state while the fleet runs. Called on
// the thread of the port that serves the radio, with the scheduler's lock
// held, so that the calls come one at a time and in order: copy what is
// needed and hand it to the own thread; never call into the scheduler
// from here (cancel() excepted).
class FleetObserver {
  public:
    virtual ~FleetObserver() = default;
    virtual void radioChanged(const FleetRadio& radio) = 0;
};

} // namespace zmp
