#pragma once

#include <string_view>

#include "fleet/fleetdirectory.h"
#include "fleet/fleetlist.h"
#include "fleet/fleetproblem.h"
#include "model/models.h"
#include "model/records.h"

namespace zmp {

// The configuration every radio of a fleet starts from.
struct FleetBase {
    const Records& records;
    int model = ModelMr4400;
    bool hasAtis = false;
};

// Checks a whole fleet list before any radio is touched: each row's label
// (a directory name), User MMSI and ATIS code with the marine checks, no
// MMSI or ATIS code twice, an ATIS code only for a model with ATIS, the
// status names, the group MMSI, whether the fleet directory fits, and the
// marine checks of the configuration the radios get.
class FleetCheck {
  public:
    // Reads and checks the text: the list, and every problem in problems,
    // the list's by line, then the options', then the base's.
    static FleetList read(std::string_view text, const FleetBase& base, const FleetDirectoryOptions& options,
                          FleetProblems& problems);
    // The problems of a list that was read; nothing is judged row by row
    // when the list is not readable.
    static FleetProblems run(const FleetList& list, const FleetBase& base,
                             const FleetDirectoryOptions& options);
};

} // namespace zmp
