#include "exchange/tableexchange.h"

#include <algorithm>

#include "exchange/channelcolumns.h"
#include "exchange/csvtext.h"
#include "exchange/directorycolumns.h"
#include "rules/fieldrules.h"

namespace zmp {

namespace {

using Errors = std::vector<std::string>;

template <class Record>
std::string exportRows(const std::vector<Record>& list, const ExchangeColumns<Record>& columns,
                       std::size_t count)
{
    std::vector<std::string> fields;
    for (const auto& column : columns)
        fields.emplace_back(column.header);
    std::string text = CsvText::row(fields);
    for (std::size_t i = 0; i < count; ++i) {
        fields.clear();
        for (const auto& column : columns)
            fields.push_back(column.show(list[i], static_cast<int>(i) + 1));
        text += CsvText::row(fields);
    }
    return text;
}

bool inUse(const DirectoryEntry& entry)
{
    return entry.Enable || !trimSpaces(entry.TagName).empty() || !trimSpaces(entry.Mmsid).empty();
}

// Slots up to the last one in use: the directory is a packed list.
std::size_t usedSlots(const Directory& directory)
{
    const auto last = std::find_if(directory.rbegin(), directory.rend(), inUse);
    return static_cast<std::size_t>(directory.rend() - last);
}

void addError(Errors& errors, int line, const std::string& column, const std::string& reason)
{
    errors.push_back("line " + std::to_string(line) + ", column " + column + ": " + reason);
}

bool blank(const CsvRow& row)
{
    return !row.malformed && std::all_of(row.fields.begin(), row.fields.end(),
                                         [](const std::string& f) { return trimSpaces(f).empty(); });
}

template <class Record>
bool headerMatches(const CsvRow& row, const ExchangeColumns<Record>& columns, Errors& errors)
{
    const std::size_t before = errors.size();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string found = i < row.fields.size() ? trimSpaces(row.fields[i]) : std::string();
        if (found != columns[i].header)
            addError(errors, row.line, columns[i].header, "the header row must name this column here");
    }
    return errors.size() == before;
}

// Applies one row to its record; true when any cell differed from the export.
template <class Record>
bool applyRow(Record& record, int number, const CsvRow& row, const ExchangeColumns<Record>& columns,
              Errors& errors)
{
    if (row.malformed) return false;
    bool changed = false;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i >= row.fields.size()) {
            addError(errors, row.line, columns[i].header, "missing");
            continue;
        }
        if (row.fields[i] == columns[i].show(record, number)) continue;
        changed = true;
        if (auto problem = columns[i].store(record, row.fields[i]))
            addError(errors, row.line, columns[i].header, *problem);
    }
    if (row.fields.size() > columns.size())
        addError(errors, row.line, std::to_string(columns.size() + 1), "more columns than the header names");
    return changed;
}

std::vector<CsvRow> dataRows(std::vector<CsvRow> rows)
{
    rows.erase(rows.begin());
    rows.erase(std::remove_if(rows.begin(), rows.end(), blank), rows.end());
    return rows;
}

Errors importChannels(ChannelTable& table, const std::vector<CsvRow>& rows, bool expansion,
                      const ExchangeColumns<ChannelRecord>& columns, Errors errors)
{
    const std::size_t count = std::min(rows.size(), table.size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t before = errors.size();
        const bool changed = applyRow(table[i], static_cast<int>(i) + 1, rows[i], columns, errors);
        // A row with a refused cell is told once, by that cell.
        if (!expansion || !changed || errors.size() != before) continue;
        if (auto problem = expRowProblem(table[i]))
            addError(errors, rows[i].line, problem->first, problem->second);
    }
    const std::string size = "the table has " + std::to_string(table.size()) + " rows";
    if (rows.size() > table.size())
        addError(errors, rows[table.size()].line, columns[0].header, "one row too many; " + size);
    if (rows.size() < table.size()) {
        const int line = rows.empty() ? 2 : rows.back().line + 1;
        addError(errors, line, columns[0].header,
                 "rows missing; " + size + ", the file " + std::to_string(rows.size()));
    }
    return errors;
}

void registerEntry(DirectoryEntry& entry, const CsvRow& row, Errors& errors)
{
    if (trimSpaces(entry.Mmsid).empty() && !trimSpaces(entry.TagName).empty())
        addError(errors, row.line, "MMSI", "an entry with a name needs its MMSI");
    entry.Enable = !trimSpaces(entry.Mmsid).empty();
}

Errors importDirectory(Directory& directory, const std::vector<CsvRow>& rows,
                       const ExchangeColumns<DirectoryEntry>& columns, Errors errors)
{
    const std::size_t count = std::min(rows.size(), directory.size());
    int gapLine = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (applyRow(directory[i], static_cast<int>(i) + 1, rows[i], columns, errors))
            registerEntry(directory[i], rows[i], errors);
        if (!directory[i].Enable && gapLine == 0) gapLine = rows[i].line;
        if (directory[i].Enable && gapLine != 0) {
            addError(errors, gapLine, "MMSI", "empty before further entries, which the radio would drop");
            gapLine = -1;
        }
    }
    if (rows.size() > directory.size())
        addError(errors, rows[directory.size()].line, columns[0].header,
                 "one row too many; the directory has " + std::to_string(directory.size()) + " entries");
    for (std::size_t i = count; i < directory.size(); ++i) {
        directory[i].Enable = false;
        directory[i].TagName.clear();
        directory[i].Mmsid.clear();
    }
    return errors;
}

// The rows of the text, each malformed one told in errors so that the
// other rows' problems are told as well; nothing without a row.
std::optional<std::vector<CsvRow>> parsedRows(std::string_view text, Errors& errors)
{
    auto rows = CsvText::parseAll(text, errors);
    if (!rows.empty()) return rows;
    if (errors.empty()) errors.push_back("line 1: no header row");
    return std::nullopt;
}

template <class AnyRecords>
auto& channelTable(AnyRecords& records, ExchangeTable table)
{
    switch (table) {
    case ExchangeTable::Intl:
        return records.intl;
    case ExchangeTable::Can:
        return records.can;
    case ExchangeTable::Wx:
        return records.wx;
    case ExchangeTable::Exp:
        return records.exp;
    default:
        return records.usa;
    }
}

const ExchangeColumns<ChannelRecord>& channelColumns(ExchangeTable table)
{
    if (table == ExchangeTable::Wx) return weatherChannelColumns();
    if (table == ExchangeTable::Exp) return expChannelColumns();
    return planChannelColumns();
}

template <class Record>
Errors importInto(std::vector<Record>& target, std::string_view text, const ExchangeColumns<Record>& columns,
                  Errors (*apply)(std::vector<Record>&, const std::vector<CsvRow>&,
                                  const ExchangeColumns<Record>&, Errors))
{
    Errors errors;
    const auto rows = parsedRows(text, errors);
    if (!rows || !headerMatches((*rows)[0], columns, errors)) return errors;
    std::vector<Record> copy = target;
    errors = apply(copy, dataRows(*rows), columns, std::move(errors));
    if (errors.empty()) target = std::move(copy);
    return errors;
}

} // namespace

std::string TableExchange::exportCsv(const Records& records, ExchangeTable table)
{
    if (table == ExchangeTable::MemoryId)
        return exportRows(records.memoryId, memoryIdColumns(), usedSlots(records.memoryId));
    if (table == ExchangeTable::GroupId)
        return exportRows(records.groupId, groupIdColumns(), usedSlots(records.groupId));
    const ChannelTable& list = channelTable(records, table);
    return exportRows(list, channelColumns(table), list.size());
}

std::vector<std::string> TableExchange::importCsv(Records& records, ExchangeTable table,
                                                  std::string_view text)
{
    if (table == ExchangeTable::MemoryId)
        return importInto(records.memoryId, text, memoryIdColumns(), &importDirectory);
    if (table == ExchangeTable::GroupId)
        return importInto(records.groupId, text, groupIdColumns(), &importDirectory);
    if (table == ExchangeTable::Exp)
        return importInto(
            records.exp, text, channelColumns(table),
            +[](ChannelTable& t, const std::vector<CsvRow>& r, const ExchangeColumns<ChannelRecord>& c,
                Errors e) { return importChannels(t, r, true, c, std::move(e)); });
    return importInto(
        channelTable(records, table), text, channelColumns(table),
        +[](ChannelTable& t, const std::vector<CsvRow>& r, const ExchangeColumns<ChannelRecord>& c,
            Errors e) { return importChannels(t, r, false, c, std::move(e)); });
}

} // namespace zmp
