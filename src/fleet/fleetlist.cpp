#include "fleet/fleetlist.h"

#include <algorithm>
#include <cctype>

#include "exchange/csvtext.h"
#include "rules/fieldrules.h"

namespace zmp {

namespace {

// Where the cells of a column go: one of the fields below, or nowhere.
constexpr int Unnamed = -1; // an empty header: its cells must be empty
constexpr int Ignored = -2; // a header already reported as wrong
constexpr int LabelField = 0;
constexpr int MmsiField = 1;
constexpr int AtisField = 2;
constexpr int StatusField = 3; // + the usable group

constexpr std::array<const char*, StatusField + UsableGroupCount> Headers{
    fleetcolumn::Label,          fleetcolumn::UserMmsi,       fleetcolumn::AtisCode,
    fleetcolumn::StatusNames[0], fleetcolumn::StatusNames[1], fleetcolumn::StatusNames[2],
    fleetcolumn::StatusNames[3]};

bool sameName(const std::string& a, const char* b)
{
    const std::string_view other(b);
    return a.size() == other.size() && std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

int fieldNamed(const std::string& name)
{
    for (std::size_t f = 0; f < Headers.size(); ++f)
        if (sameName(name, Headers[f])) return static_cast<int>(f);
    return Ignored;
}

std::string knownHeaders()
{
    std::string text;
    for (const char* header : Headers)
        text += (text.empty() ? "" : ", ") + std::string(header);
    return text;
}

std::vector<int> readHeader(const CsvRow& row, FleetProblems& problems)
{
    std::vector<int> fields;
    std::array<bool, Headers.size()> seen{};
    for (const std::string& cell : row.fields) {
        const std::string name = trimSpaces(cell);
        int field = name.empty() ? Unnamed : fieldNamed(name);
        if (field == Ignored) {
            // Spreadsheets in some languages save CSV with semicolons.
            const std::string hint = name.find(';') == std::string::npos
                                         ? ""
                                         : "; the cells of a CSV file are separated by commas";
            problems.push_back(
                {row.line, name, "not a column of a fleet list (" + knownHeaders() + ")" + hint});
        } else if (field >= 0 && seen[static_cast<std::size_t>(field)]) {
            problems.push_back({row.line, name, "named twice"});
            field = Ignored;
        }
        if (field >= 0) seen[static_cast<std::size_t>(field)] = true;
        fields.push_back(field);
    }
    for (const int required : {LabelField, MmsiField})
        if (!seen[static_cast<std::size_t>(required)])
            problems.push_back({row.line, Headers[static_cast<std::size_t>(required)],
                                "missing; a fleet list names the columns Label and User MMSI"});
    return fields;
}

void store(FleetRow& row, int field, const std::string& cell)
{
    if (field == LabelField)
        row.label = cell;
    else if (field == MmsiField)
        row.userMmsi = cell;
    else if (field == AtisField)
        row.atisCode = cell;
    else if (!cell.empty())
        row.statusNames[static_cast<std::size_t>(field - StatusField)] = cell;
}

bool blank(const CsvRow& row)
{
    return std::all_of(row.fields.begin(), row.fields.end(),
                       [](const std::string& f) { return trimSpaces(f).empty(); });
}

// A cell with text under no header: the first one of the row is reported.
void reportStray(const CsvRow& csv, std::size_t column, std::size_t headerCount, FleetProblems& problems)
{
    const std::string reason =
        column < headerCount ? "a value in column " + std::to_string(column + 1) + ", which has no header"
                             : "more cells than the header row names";
    problems.push_back({csv.line, "", reason});
}

FleetRow readRow(const CsvRow& csv, const std::vector<int>& fields, FleetProblems& problems)
{
    FleetRow row;
    row.line = csv.line;
    bool strayReported = false;
    for (std::size_t i = 0; i < csv.fields.size(); ++i) {
        const std::string cell = trimSpaces(csv.fields[i]);
        const int field = i < fields.size() ? fields[i] : Unnamed;
        if (field >= 0) store(row, field, cell);
        if (field != Unnamed || cell.empty() || strayReported) continue;
        reportStray(csv, i, fields.size(), problems);
        strayReported = true;
    }
    return row;
}

} // namespace

FleetList FleetList::parse(std::string_view text, FleetProblems& problems)
{
    FleetList list;
    std::string error;
    const auto rows = CsvText::parse(text, error);
    if (!rows) {
        problems.push_back({0, "", error});
        return list;
    }
    if (rows->empty() || blank(rows->front())) {
        problems.push_back({1, "", "no header row; a fleet list names the columns Label and User MMSI"});
        return list;
    }
    const std::vector<int> fields = readHeader(rows->front(), problems);
    list.readable = std::count(fields.begin(), fields.end(), LabelField) == 1 &&
                    std::count(fields.begin(), fields.end(), MmsiField) == 1;
    for (auto row = rows->begin() + 1; row != rows->end(); ++row)
        if (!blank(*row)) list.rows.push_back(readRow(*row, fields, problems));
    if (list.rows.empty()) problems.push_back({0, "", "no radio in the list"});
    return list;
}

} // namespace zmp
