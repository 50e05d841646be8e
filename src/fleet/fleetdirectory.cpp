#include "fleet/fleetdirectory.h"

#include <algorithm>

#include "checks/mmsiform.h"
#include "rules/fieldrules.h"

namespace zmp {

namespace {

bool inUse(const DirectoryEntry& entry)
{
    return entry.Enable || !trimSpaces(entry.TagName).empty() || !trimSpaces(entry.Mmsid).empty();
}

bool holds(const Directory& directory, const std::string& mmsi)
{
    return std::any_of(directory.begin(), directory.end(),
                       [&mmsi](const DirectoryEntry& entry) { return nineDigitMmsi(entry.Mmsid) == mmsi; });
}

// Adds the members after the base's entries; returns their 1-based entry numbers.
std::vector<int> addMembers(Directory& directory, const FleetList& list, const std::vector<std::size_t>& rows)
{
    std::vector<int> numbers;
    std::size_t slot = FleetDirectory::baseEntries(directory);
    for (const std::size_t row : rows) {
        if (slot >= directory.size()) break;
        DirectoryEntry& entry = directory[slot++];
        entry = DirectoryEntry{};
        entry.Enable = true;
        entry.TagName = list.rows[row].label;
        entry.Mmsid = list.rows[row].userMmsi;
        numbers.push_back(static_cast<int>(slot));
    }
    return numbers;
}

void setGroup(DirectoryEntry& group, const std::string& mmsi, const std::vector<int>& members)
{
    if (nineDigitMmsi(group.Mmsid) != mmsi) {
        group = DirectoryEntry{};
        group.TagName = FleetGroupName;
        group.Mmsid = mmsi;
    }
    group.Enable = true;
    for (const int number : members)
        group.MemberFlags[static_cast<std::size_t>(number)] = true;
}

} // namespace

std::size_t FleetDirectory::baseEntries(const Directory& directory)
{
    const auto last = std::find_if(directory.rbegin(), directory.rend(), inUse);
    return static_cast<std::size_t>(directory.rend() - last);
}

std::vector<std::size_t> FleetDirectory::members(const Directory& base, const FleetList& list,
                                                 std::size_t row)
{
    std::vector<std::size_t> rows;
    for (std::size_t other = 0; other < list.rows.size(); ++other)
        if (other != row && !holds(base, list.rows[other].userMmsi)) rows.push_back(other);
    return rows;
}

std::optional<std::string> FleetDirectory::fitProblem(const Directory& base, const FleetList& list)
{
    std::size_t most = 0;
    for (std::size_t row = 0; row < list.rows.size(); ++row)
        most = std::max(most, members(base, list, row).size());
    const std::size_t used = baseEntries(base);
    if (used + most <= base.size()) return std::nullopt;
    return "the Individual Directory holds " + std::to_string(base.size()) + " entries; the base uses " +
           std::to_string(used) + " and the other radios of the fleet need " + std::to_string(most);
}

void FleetDirectory::apply(Records& records, const FleetList& list, std::size_t row,
                           const FleetDirectoryOptions& options)
{
    std::vector<int> added;
    if (options.fillDirectory)
        added = addMembers(records.memoryId, list, members(records.memoryId, list, row));
    if (!options.groupMmsi.empty() && !records.groupId.empty())
        setGroup(records.groupId.front(), options.groupMmsi, added);
}

} // namespace zmp
