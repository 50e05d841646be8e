#include "fleet/fleetproblem.h"

#include <algorithm>

namespace zmp {

std::string FleetProblem::text() const
{
    std::string place;
    if (line > 0) place = "line " + std::to_string(line);
    if (!column.empty()) place += (place.empty() ? "" : ", column ") + column;
    const std::string what = (warning ? "warning: " : "") + reason;
    return place.empty() ? what : place + ": " + what;
}

bool fleetAccepted(const FleetProblems& problems, bool acceptWarnings)
{
    return std::all_of(problems.begin(), problems.end(),
                       [acceptWarnings](const FleetProblem& p) { return p.warning && acceptWarnings; });
}

} // namespace zmp
