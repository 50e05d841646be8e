#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zmp {

// One record of a CSV text and the line it starts on (1-based); a quoted
// field may run over several lines.
struct CsvRow {
    int line = 0;
    std::vector<std::string> fields;
    // A record whose quoting is malformed: it holds its place among the
    // rows, and its fault is told once.
    bool malformed = false;
};

// RFC 4180 text: fields separated by commas, records ended by CR LF, a
// field quoted when it holds a comma, a quote, CR or LF, quotes doubled.
class CsvText {
  public:
    static std::string row(const std::vector<std::string>& fields);

    // Every record of the text. A UTF-8 byte-order mark is skipped, LF
    // alone ends a record as CR LF does, and a final line end is optional.
    // A malformed text gives nothing and the line and reason in error.
    static std::optional<std::vector<CsvRow>> parse(std::string_view text, std::string& error);
    // Every record; each malformed one is marked and told in errors as
    // "line N: reason", and reading goes on from the next physical line.
    static std::vector<CsvRow> parseAll(std::string_view text, std::vector<std::string>& errors);
};

} // namespace zmp
