#include "fleet/fleetcheck.h"

#include <algorithm>
#include <map>

#include "checks/marinechecks.h"
#include "checks/mmsiverdict.h"
#include "exchange/exchangecolumn.h"
#include "fleet/fleetconfiguration.h"
#include "rules/fieldrules.h"
#include "rules/settingsrules.h"

namespace zmp {

namespace {

constexpr std::size_t StatusNameLength = 4;

void addRowProblem(FleetProblems& problems, const FleetRow& row, const char* column,
                   const std::string& reason, bool warning = false)
{
    problems.push_back({row.line, column, reason, warning});
}

void checkLabel(const FleetRow& row, FleetProblems& problems)
{
    if (row.label.empty())
        addRowProblem(problems, row, fleetcolumn::Label, "empty; each radio needs a label");
    else if (const auto problem = nameProblem(row.label, DirectoryNameLength))
        addRowProblem(problems, row, fleetcolumn::Label, *problem);
}

// The digit count first; a number of the right length then gets the marine check as a warning.
void checkNumber(const FleetRow& row, const char* column, const std::string& digits, bool sound,
                 NumberRole role, FleetProblems& problems)
{
    if (!sound) {
        const int length = role == NumberRole::AtisCode ? 10 : 9;
        addRowProblem(problems, row, column, digits + " is not " + std::to_string(length) + " digits");
        return;
    }
    const MmsiVerdict verdict = judgeNumber(role, digits);
    if (!verdict.problem.empty()) addRowProblem(problems, row, column, digits + ": " + verdict.problem, true);
}

void checkUserMmsi(const FleetRow& row, FleetProblems& problems)
{
    if (row.userMmsi.empty())
        addRowProblem(problems, row, fleetcolumn::UserMmsi, "empty; each radio needs its own");
    else
        checkNumber(row, fleetcolumn::UserMmsi, row.userMmsi, acceptedUserMmsi(row.userMmsi).has_value(),
                    NumberRole::UserMmsi, problems);
}

void checkAtisCode(const FleetRow& row, const FleetBase& base, FleetProblems& problems)
{
    if (row.atisCode.empty()) return;
    if (!base.hasAtis)
        addRowProblem(problems, row, fleetcolumn::AtisCode, "the " + modelName(base.model) + " has no ATIS");
    else
        checkNumber(row, fleetcolumn::AtisCode, row.atisCode, acceptedAtisCode(row.atisCode).has_value(),
                    NumberRole::AtisCode, problems);
}

void checkStatusNames(const FleetRow& row, FleetProblems& problems)
{
    for (std::size_t group = 0; group < row.statusNames.size(); ++group) {
        if (!row.statusNames[group]) continue;
        const std::string& name = *row.statusNames[group];
        const auto wrong = std::find_if(
            name.begin(), name.end(), [](char c) { return !isStatusNameKey(static_cast<unsigned char>(c)); });
        const char* column = fleetcolumn::StatusNames[group];
        if (wrong != name.end())
            addRowProblem(problems, row, column,
                          static_cast<unsigned char>(*wrong) >= 0x80
                              ? "a status name takes no letters outside A to Z"
                              : "the character '" + std::string(1, *wrong) +
                                    "' is not allowed in a status name");
        else if (name.size() > StatusNameLength)
            addRowProblem(problems, row, column, "longer than 4 characters");
    }
}

// A value that an earlier row already has: an error for the numbers that
// name a radio, a warning for labels.
class RepeatCheck {
  public:
    RepeatCheck(const char* column, bool warning) : column_(column), warning_(warning) {}

    void check(const FleetRow& row, const std::string& value, FleetProblems& problems)
    {
        if (value.empty()) return;
        const auto [first, added] = firstLines_.emplace(value, row.line);
        if (!added)
            addRowProblem(problems, row, column_, value + " is also on line " + std::to_string(first->second),
                          warning_);
    }

  private:
    const char* column_;
    bool warning_;
    std::map<std::string, int> firstLines_;
};

void checkRows(const FleetList& list, const FleetBase& base, const FleetDirectoryOptions& options,
               FleetProblems& problems)
{
    RepeatCheck labels(fleetcolumn::Label, true);
    RepeatCheck mmsis(fleetcolumn::UserMmsi, false);
    RepeatCheck atisCodes(fleetcolumn::AtisCode, false);
    for (const FleetRow& row : list.rows) {
        checkLabel(row, problems);
        labels.check(row, row.label, problems);
        checkUserMmsi(row, problems);
        mmsis.check(row, row.userMmsi, problems);
        if (!row.userMmsi.empty() && row.userMmsi == options.groupMmsi)
            addRowProblem(problems, row, fleetcolumn::UserMmsi, row.userMmsi + " is the fleet's group MMSI");
        checkAtisCode(row, base, problems);
        atisCodes.check(row, row.atisCode, problems);
        checkStatusNames(row, problems);
    }
}

void checkOptions(const FleetList& list, const FleetBase& base, const FleetDirectoryOptions& options,
                  FleetProblems& problems)
{
    const std::string& group = options.groupMmsi;
    if (!group.empty()) {
        const bool sound = group.front() == '0' && acceptedDirectoryMmsi(group.substr(1), true).has_value();
        const MmsiVerdict verdict = judgeNumber(NumberRole::GroupId, group);
        if (!sound)
            problems.push_back({0, "--group-mmsi", group + " is not a group MMSI (0, the MID and 5 digits)",
                                false, FleetSource::Options});
        else if (!verdict.problem.empty())
            problems.push_back(
                {0, "--group-mmsi", group + ": " + verdict.problem, true, FleetSource::Options});
    }
    if (!options.fillDirectory) return;
    if (const auto problem = FleetDirectory::fitProblem(base.records.memoryId, list))
        problems.push_back({0, "--fill-directory", *problem, false, FleetSource::Options});
}

// The warnings a row's own checks or the options' already tell.
bool toldElsewhere(const CheckWarning& warning, std::size_t baseEntries, const FleetDirectoryOptions& options)
{
    switch (warning.subject) {
    case CheckSubject::UserMmsi:
    case CheckSubject::AtisCode:
        return true;
    case CheckSubject::MemoryId:
        return static_cast<std::size_t>(warning.index) > baseEntries;
    case CheckSubject::GroupId:
        return warning.index == 1 && !options.groupMmsi.empty();
    default:
        return false;
    }
}

// The marine checks of what the first radio gets: what is wrong there
// comes from the base and is wrong in every radio.
void checkConfiguration(const FleetList& list, const FleetBase& base, const FleetDirectoryOptions& options,
                        FleetProblems& problems)
{
    const Records records =
        list.rows.empty() ? base.records : FleetConfiguration::records(base.records, list, 0, options);
    const std::size_t own = FleetDirectory::baseEntries(base.records.memoryId);
    for (const CheckWarning& warning : MarineChecks::run(records))
        if (!toldElsewhere(warning, own, options))
            problems.push_back({0, "", warning.text, true, FleetSource::Base});
}

} // namespace

FleetProblems FleetCheck::run(const FleetList& list, const FleetBase& base,
                              const FleetDirectoryOptions& options)
{
    FleetProblems problems;
    if (list.readable) checkRows(list, base, options, problems);
    checkOptions(list, base, options, problems);
    checkConfiguration(list, base, options, problems);
    return problems;
}

FleetList FleetCheck::read(std::string_view text, const FleetBase& base, const FleetDirectoryOptions& options,
                           FleetProblems& problems)
{
    FleetList list = FleetList::parse(text, problems);
    const FleetProblems found = run(list, base, options);
    problems.insert(problems.end(), found.begin(), found.end());
    std::stable_sort(problems.begin(), problems.end(), [](const FleetProblem& a, const FleetProblem& b) {
        return std::pair(a.source, a.line) < std::pair(b.source, b.line);
    });
    return list;
}

} // namespace zmp
