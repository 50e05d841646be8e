#include "exchange/directorycolumns.h"

#include "rules/fieldrules.h"
#include "rules/settingsrules.h"

namespace zmp {

namespace {

using Problem = std::optional<std::string>;
using Column = ExchangeColumn<DirectoryEntry>;

std::string showNumber(const DirectoryEntry&, int number)
{
    return std::to_string(number);
}

Problem storeFixed(DirectoryEntry&, const std::string&)
{
    return fixedCell("the entry");
}

std::string showName(const DirectoryEntry& entry, int)
{
    return entry.TagName;
}

Problem storeName(DirectoryEntry& entry, const std::string& text)
{
    if (auto problem = nameProblem(text, DirectoryNameLength)) return problem;
    entry.TagName = text;
    return std::nullopt;
}

// The whole MMSI without the radio's tenth digit.
std::string showMmsi(const DirectoryEntry& entry, int)
{
    return userMmsiFieldText(trimSpaces(entry.Mmsid));
}

Problem storeMemoryMmsi(DirectoryEntry& entry, const std::string& text)
{
    const std::optional<std::string> mmsi = acceptedDirectoryMmsi(text, false);
    if (!mmsi) return "an MMSI has 9 digits";
    entry.Mmsid = *mmsi;
    return std::nullopt;
}

// A group MMSI is written whole; its first digit is the fixed 0 that the
// editor shows before the field.
Problem storeGroupMmsi(DirectoryEntry& entry, const std::string& text)
{
    const std::string digits = trimSpaces(text);
    if (!digits.empty() && digits.front() != '0') return "a group MMSI begins with 0";
    const std::optional<std::string> mmsi =
        acceptedDirectoryMmsi(digits.empty() ? digits : digits.substr(1), true);
    if (!mmsi) return "a group MMSI has 9 digits";
    entry.Mmsid = *mmsi;
    return std::nullopt;
}

} // namespace

const ExchangeColumns<DirectoryEntry>& memoryIdColumns()
{
    static const ExchangeColumns<DirectoryEntry> columns{
        Column{"No.", &showNumber, &storeFixed},
        Column{"STATION NAME", &showName, &storeName},
        Column{"MMSI", &showMmsi, &storeMemoryMmsi},
    };
    return columns;
}

const ExchangeColumns<DirectoryEntry>& groupIdColumns()
{
    static const ExchangeColumns<DirectoryEntry> columns{
        Column{"No.", &showNumber, &storeFixed},
        Column{"GROUP NAME", &showName, &storeName},
        Column{"MMSI", &showMmsi, &storeGroupMmsi},
    };
    return columns;
}

} // namespace zmp
