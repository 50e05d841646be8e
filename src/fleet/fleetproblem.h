#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zmp {

// One thing wrong with a fleet list, its options or its base
// configuration. An error refuses the list; a warning refuses it unless
// the user accepts the warnings.
enum class FleetSource {
    List,    // the fleet list
    Options, // an option such as the group MMSI
    Base,    // the base configuration
};

struct FleetProblem {
    int line = 0;       // the line of the list, 0 when the problem is not on one
    std::string column; // the column's header, or the option ("--group-mmsi"); may be empty
    std::string reason;
    bool warning = false;
    FleetSource source = FleetSource::List;

    // "line 4, column User MMSI: not 9 digits", "line 1: no radio in the list",
    // "--group-mmsi: a group MMSI begins with 0"; a warning's reason reads
    // "warning: ...".
    std::string text() const;
};

using FleetProblems = std::vector<FleetProblem>;

// Whether the list may go to the radios: no error, and no warning unless accepted.
bool fleetAccepted(const FleetProblems& problems, bool acceptWarnings);
// What is decided about a list of radios: "refused: 3 errors, 2 warnings",
// "refused: 2 warnings; " + acceptHint, "12 radios, 2 warnings accepted" or
// "12 radios, no problems".
std::string fleetVerdict(const FleetProblems& problems, std::size_t radios, bool acceptWarnings,
                         const std::string& acceptHint);

} // namespace zmp
