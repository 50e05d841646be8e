#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fleet/fleetproblem.h"
#include "model/records.h"

namespace zmp {

// The headers of a fleet list. Label and User MMSI are required; the
// others are optional, and a status name column overrides the base
// configuration's name of that usable group where its cell is not blank.
namespace fleetcolumn {
inline constexpr const char* Label = "Label";
inline constexpr const char* UserMmsi = "User MMSI";
inline constexpr const char* AtisCode = "ATIS Code";
inline constexpr std::array<const char*, UsableGroupCount> StatusNames{
    "Group1 Status Name", "Group2 Status Name", "Group3 Status Name", "EXP CH Group Status Name"};
} // namespace fleetcolumn

// One radio of the fleet, its cells as written (spaces around them dropped).
struct FleetRow {
    int line = 0;
    std::string label;
    std::string userMmsi;
    std::string atisCode;
    std::array<std::optional<std::string>, UsableGroupCount> statusNames{};
};

// The radios of a fleet list, in its order: a CSV text (UTF-8, RFC 4180,
// a header row, one row per radio).
struct FleetList {
    std::vector<FleetRow> rows;
    // The text is CSV and its header names the required columns, so that
    // the rows can be judged.
    bool readable = false;

    // The rows of the text; what stops a row or the whole list from being
    // read is added to problems (blank lines are skipped). The cells
    // themselves are judged by FleetCheck.
    static FleetList parse(std::string_view text, FleetProblems& problems);
};

} // namespace zmp
