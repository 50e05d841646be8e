#pragma once

#include <cstddef>
#include <string>

#include "fleet/fleetoutcome.h"

namespace zmp {

// Where a radio of the fleet stands while the fleet runs.
enum class FleetPhase {
    Queued,      // no port has taken it yet
    Waiting,     // a port waits for the radio to be connected
    Reading,     // its User MMSI is read
    Programming, // its configuration is written
    Verifying,   // what was written is read back
    Finished,    // see the outcome
};

// The state of one row of the fleet list.
struct FleetRadio {
    std::size_t row = 0; // index into the list
    std::string device;  // the port that took it; empty while queued
    FleetPhase phase = FleetPhase::Queued;
    int percent = 0; // of the current phase
    FleetOutcome outcome = FleetOutcome::Pending;
    std::string reason;     // why it failed, was skipped or is done already
    std::string backupName; // the backup kept of what was programmed
};

} // namespace zmp
