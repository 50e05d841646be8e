#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "fleet/fleetlist.h"
#include "model/records.h"

namespace zmp {

// The fleet's own entries in each radio's directories.
struct FleetDirectoryOptions {
    // The other radios of the fleet are added to the Individual Directory
    // after the base configuration's own entries, named by their labels.
    bool fillDirectory = false;
    // The fleet's group MMSI (nine digits, the leading 0 included) for
    // Group ID 1; empty leaves Group ID 1 as the base has it.
    std::string groupMmsi;
};

// The name Group ID 1 gets when it did not hold the fleet's group before.
inline constexpr const char* FleetGroupName = "FLEET";

class FleetDirectory {
  public:
    // The Individual Directory slots the base configuration uses: up to
    // its last entry in use.
    static std::size_t baseEntries(const Directory& directory);
    // The rows added to the directory of the radio of row: every other row
    // whose MMSI the base's directory does not already hold, in list order.
    static std::vector<std::size_t> members(const Directory& base, const FleetList& list, std::size_t row);
    // Why the members do not fit into some radio's directory; nothing when they fit.
    static std::optional<std::string> fitProblem(const Directory& base, const FleetList& list);

    // Adds the members of row and sets Group ID 1 as the options say.
    static void apply(Records& records, const FleetList& list, std::size_t row,
                      const FleetDirectoryOptions& options);
};

} // namespace zmp
