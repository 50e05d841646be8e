#include "fleet/fleetoutcome.h"

#include <array>
#include <utility>

namespace zmp {

namespace {

constexpr std::array<std::pair<FleetOutcome, const char*>, 8> Words{{
    {FleetOutcome::Pending, "pending"},
    {FleetOutcome::Complete, "complete"},
    {FleetOutcome::CompleteNotVerified, "complete, not verified"},
    {FleetOutcome::Failed, "failed"},
    {FleetOutcome::Cancelled, "cancelled"},
    {FleetOutcome::Skipped, "skipped"},
    {FleetOutcome::AlreadyDone, "already done"},
    {FleetOutcome::NotProgrammed, "not programmed"},
}};

} // namespace

std::string fleetOutcomeText(FleetOutcome outcome)
{
    for (const auto& [value, word] : Words)
        if (value == outcome) return word;
    return "pending";
}

bool fleetDone(FleetOutcome outcome)
{
    return outcome == FleetOutcome::Complete || outcome == FleetOutcome::CompleteNotVerified ||
           outcome == FleetOutcome::AlreadyDone;
}

FleetOutcome fleetOutcomeFromText(const std::string& text)
{
    for (const auto& [value, word] : Words)
        if (text == word) return value;
    return FleetOutcome::Pending;
}

} // namespace zmp
