#pragma once

#include <string>

namespace zmp {

// How a radio of the fleet ended. The log holds the words of the outcomes
// a run reaches; AlreadyDone and NotProgrammed are told in the summary only.
enum class FleetOutcome {
    Pending,             // not finished yet
    Complete,            // programmed and verified
    CompleteNotVerified, // programmed without reading it back
    Failed,              // the radio may hold a partly written configuration
    Cancelled,
    Skipped,       // not touched: the radio holds another User MMSI
    AlreadyDone,   // the log has it programmed before
    NotProgrammed, // no port took it (cancelled, or every port stopped)
};

// "complete", "complete, not verified", "failed", "cancelled", "skipped",
// "already done", "not programmed".
std::string fleetOutcomeText(FleetOutcome outcome);
// The outcomes that count as the radio done: a rerun skips it.
bool fleetDone(FleetOutcome outcome);
// The outcome of a word the log holds; Pending for any other word.
FleetOutcome fleetOutcomeFromText(const std::string& text);

} // namespace zmp
