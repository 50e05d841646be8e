#include "backup/backupindex.h"

#include <array>
#include <cctype>
#include <sstream>

namespace zmp {

namespace {

constexpr std::size_t FieldCount = 8;

// Tabs and line ends inside a value would split the line.
std::string cleaned(std::string value)
{
    for (char& c : value)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return value;
}

std::array<std::string*, FieldCount> fieldsOf(BackupEntry& entry)
{
    return {&entry.time,        &entry.operation, &entry.model,   &entry.mmsi,
            &entry.destination, &entry.port,      &entry.outcome, &entry.name};
}

// Names come back from a file anyone could edit; a name that could reach
// outside the backup folder is no backup of ours.
bool plainName(const std::string& name)
{
    if (name.empty()) return false;
    for (const char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_') return false;
    return true;
}

} // namespace

std::vector<BackupEntry> BackupIndex::parse(const std::string& text)
{
    std::vector<BackupEntry> entries;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        BackupEntry entry;
        std::istringstream fields(line);
        std::size_t count = 0;
        for (std::string* field : fieldsOf(entry))
            if (std::getline(fields, *field, '\t')) ++count;
        std::string rest;
        if (count == FieldCount && !std::getline(fields, rest) && plainName(entry.name))
            entries.push_back(entry);
    }
    return entries;
}

std::string BackupIndex::compose(const std::vector<BackupEntry>& entries)
{
    std::string text;
    for (BackupEntry entry : entries) {
        const auto fields = fieldsOf(entry);
        for (std::size_t i = 0; i < FieldCount; ++i)
            text += cleaned(*fields[i]) + (i + 1 < FieldCount ? "\t" : "\n");
    }
    return text;
}

} // namespace zmp
