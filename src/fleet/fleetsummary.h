#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "fleet/fleetlist.h"
#include "fleet/fleetradio.h"

namespace zmp {

// Every radio of a fleet run and how it ended, in the list's order.
struct FleetSummary {
    std::vector<FleetRadio> radios;
    // Why the log could not be written, the first time it could not; empty when it was.
    std::string logProblem;

    std::size_t count(FleetOutcome outcome) const;
    // Every radio is programmed, in this run or an earlier one.
    bool succeeded() const;
    // One line a radio, "3 of 12  Sea Breeze  366123456  /dev/ttyUSB0  failed: reason",
    // then the counts: "12 radios: 10 complete, 1 failed, 1 skipped".
    std::string text(const FleetList& list) const;
};

} // namespace zmp
