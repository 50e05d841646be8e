#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zmp {

// One CSV column of a list of records. A cell whose text equals what
// `show` writes for the record leaves the record as it is, so exporting
// and importing again changes nothing; any other text goes to `store`,
// which applies the editor's rule for the field.
template <class Record>
struct ExchangeColumn {
    const char* header;
    // The cell text of a record; number is the record's 1-based place.
    std::string (*show)(const Record& record, int number);
    // Stores the text; the reason when the editor would refuse it.
    std::optional<std::string> (*store)(Record& record, const std::string& text);
};

template <class Record>
using ExchangeColumns = std::vector<ExchangeColumn<Record>>;

// Shared cell rules.
std::string flagText(bool value);
// "1", "0" and the words spreadsheets write for them (TRUE, FALSE, yes, no).
std::optional<bool> flagFromText(const std::string& text);
// The reason a name is refused: longer than maxLength characters, or (for
// a field that does not take any character) a character the name fields
// do not take.
std::optional<std::string> nameProblem(const std::string& text, int maxLength, bool anyCharacter = false);
std::optional<std::string> fixedCell(const std::string& what);

} // namespace zmp
