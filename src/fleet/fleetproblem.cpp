#include "fleet/fleetproblem.h"

#include <algorithm>

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

namespace {

std::string counted(std::size_t count, const std::string& what)
{
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

} // namespace

std::string fleetVerdict(const FleetProblems& problems, std::size_t radios, bool acceptWarnings,
                         const std::string& acceptHint)
{
    const auto warnings = static_cast<std::size_t>(
        std::count_if(problems.begin(), problems.end(), [](const FleetProblem& p) { return p.warning; }));
    const std::size_t errors = problems.size() - warnings;
    if (errors > 0)
        return "refused: " + counted(errors, "error") + (warnings ? ", " + counted(warnings, "warning") : "");
    if (warnings > 0 && !acceptWarnings)
        return "refused: " + counted(warnings, "warning") + "; " + acceptHint;
    return counted(radios, "radio") +
           (warnings ? ", " + counted(warnings, "warning") + " accepted" : ", no problems");
}

} // namespace zmp
