#include "fleet/fleetlog.h"

#include <cerrno>

#include "exchange/csvtext.h"
#include "files/atomicfile.h"
#include "files/filereading.h"
#include "fleet/fleetoutcome.h"
#include "rules/fieldrules.h"

namespace zmp {

namespace {

std::array<std::string*, FleetLog::Headers.size()> fieldsOf(FleetLogLine& line)
{
    return {&line.time, &line.device, &line.label, &line.mmsi, &line.outcome, &line.backup, &line.reason};
}

bool headerMatches(const CsvRow& row)
{
    if (row.fields.size() != FleetLog::Headers.size()) return false;
    for (std::size_t i = 0; i < row.fields.size(); ++i)
        if (trimSpaces(row.fields[i]) != FleetLog::Headers[i]) return false;
    return true;
}

std::string headerText()
{
    return CsvText::row({FleetLog::Headers.begin(), FleetLog::Headers.end()});
}

// The file's text; an empty text for a file that does not exist.
std::optional<std::string> readLog(const std::string& path, std::string& reason)
{
    FileError error;
    std::string text;
    const auto append = [&text](std::string_view chunk) {
        text.append(chunk);
        return true;
    };
    if (regularFileSize(path, error) >= 0 && readFileChunks(path, 1 << 16, append, error)) return text;
    if (error.number == ENOENT) return std::string();
    reason = error.description;
    return std::nullopt;
}

} // namespace

std::optional<FleetLog> FleetLog::open(const std::string& path, std::string& reason)
{
    const auto text = readLog(path, reason);
    if (!text) return std::nullopt;
    FleetLog log;
    log.path_ = path;
    if (text->empty()) return log;
    auto lines = parse(*text, reason);
    if (!lines) return std::nullopt;
    log.lines_ = std::move(*lines);
    return log;
}

const FleetLogLine* FleetLog::doneLine(const std::string& mmsi) const
{
    for (auto line = lines_.rbegin(); line != lines_.rend(); ++line)
        if (line->mmsi == mmsi) return fleetDone(fleetOutcomeFromText(line->outcome)) ? &*line : nullptr;
    return nullptr;
}

bool FleetLog::add(const FleetLogLine& line, std::string& reason)
{
    lines_.push_back(line);
    return save(reason);
}

bool FleetLog::save(std::string& reason) const
{
    if (path_.empty()) return true;
    FileError error;
    if (writeFileAtomically(path_, text(lines_), &error)) return true;
    reason = error.description;
    return false;
}

std::string FleetLog::text(const std::vector<FleetLogLine>& lines)
{
    std::string text = headerText();
    for (FleetLogLine line : lines) {
        std::vector<std::string> fields;
        for (const std::string* field : fieldsOf(line))
            fields.push_back(*field);
        text += CsvText::row(fields);
    }
    return text;
}

std::optional<std::vector<FleetLogLine>> FleetLog::parse(std::string_view text, std::string& reason)
{
    auto rows = CsvText::parse(text, reason);
    if (!rows) return std::nullopt;
    if (rows->empty() || !headerMatches(rows->front())) {
        reason =
            "not a fleet log: its first line must read " + headerText().substr(0, headerText().size() - 2);
        return std::nullopt;
    }
    std::vector<FleetLogLine> lines;
    for (auto row = rows->begin() + 1; row != rows->end(); ++row) {
        if (row->fields.size() != Headers.size()) {
            reason =
                "line " + std::to_string(row->line) + ": not " + std::to_string(Headers.size()) + " fields";
            return std::nullopt;
        }
        FleetLogLine line;
        const auto fields = fieldsOf(line);
        for (std::size_t i = 0; i < fields.size(); ++i)
            *fields[i] = row->fields[i];
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace zmp
