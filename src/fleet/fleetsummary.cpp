#include "fleet/fleetsummary.h"

#include <algorithm>
#include <array>

namespace zmp {

namespace {

std::string radioLine(const FleetRadio& radio, const FleetList& list)
{
    const FleetRow& row = list.rows[radio.row];
    std::string line = std::to_string(radio.row + 1) + " of " + std::to_string(list.rows.size()) + "  " +
                       row.label + "  " + row.userMmsi + "  " + (radio.device.empty() ? "-" : radio.device) +
                       "  " + fleetOutcomeText(radio.outcome);
    if (!radio.reason.empty()) line += ": " + radio.reason;
    if (!radio.backupName.empty()) line += " (backup " + radio.backupName + ")";
    return line + "\n";
}

} // namespace

std::size_t FleetSummary::count(FleetOutcome outcome) const
{
    return static_cast<std::size_t>(std::count_if(
        radios.begin(), radios.end(), [outcome](const FleetRadio& r) { return r.outcome == outcome; }));
}

bool FleetSummary::succeeded() const
{
    return std::all_of(radios.begin(), radios.end(),
                       [](const FleetRadio& r) { return fleetDone(r.outcome); });
}

std::string FleetSummary::text(const FleetList& list) const
{
    static constexpr std::array<FleetOutcome, 7> Order{
        FleetOutcome::Complete,     FleetOutcome::CompleteNotVerified, FleetOutcome::AlreadyDone,
        FleetOutcome::Failed,       FleetOutcome::Cancelled,           FleetOutcome::Skipped,
        FleetOutcome::NotProgrammed};
    std::string text;
    for (const FleetRadio& radio : radios)
        text += radioLine(radio, list);
    std::string counts;
    for (const FleetOutcome outcome : Order)
        if (const std::size_t n = count(outcome))
            counts += (counts.empty() ? ": " : ", ") + std::to_string(n) + " " + fleetOutcomeText(outcome);
    text += std::to_string(radios.size()) + (radios.size() == 1 ? " radio" : " radios") + counts + "\n";
    if (!logProblem.empty()) text += "fleet log not written: " + logProblem + "\n";
    return text;
}

} // namespace zmp
