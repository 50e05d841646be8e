#pragma once

#include <cstddef>

#include "fleet/fleetdirectory.h"
#include "fleet/fleetlist.h"
#include "model/records.h"

namespace zmp {

// The configuration of one radio of a fleet, ready to be prepared and
// programmed: the base records with the row's User MMSI and ATIS code
// (the base's own are never used: a radio's identity comes from its row
// alone, an empty ATIS cell giving no ATIS code), the row's status names
// where it has them, and the fleet directory the options ask for.
class FleetConfiguration {
  public:
    static Records records(const Records& base, const FleetList& list, std::size_t row,
                           const FleetDirectoryOptions& options);
};

} // namespace zmp
