#include "exchange/csvtext.h"

namespace zmp {

namespace {

bool needsQuotes(const std::string& field)
{
    return field.find_first_of(",\"\r\n") != std::string::npos;
}

std::string quoted(const std::string& field)
{
    std::string text = "\"";
    for (const char c : field) {
        if (c == '"') text += '"';
        text += c;
    }
    return text + '"';
}

// Walks the text one record at a time.
class CsvReader {
  public:
    explicit CsvReader(std::string_view text) : text_(text) {}

    bool atEnd() const { return at_ >= text_.size(); }
    int line() const { return line_; }

    // The next record; false with the reason when a quote is malformed.
    bool next(CsvRow& row, std::string& error)
    {
        row = {line_, {}};
        std::string field;
        while (true) {
            if (!readField(field, error)) return false;
            row.fields.push_back(field);
            if (atEnd()) return true;
            const char c = text_[at_++];
            if (c == ',') continue;
            if (c == '\r' && at_ < text_.size() && text_[at_] == '\n') ++at_;
            ++line_;
            return true;
        }
    }

  private:
    bool readField(std::string& field, std::string& error)
    {
        field.clear();
        if (atEnd() || text_[at_] != '"') {
            while (!atEnd() && text_[at_] != ',' && text_[at_] != '\r' && text_[at_] != '\n') {
                if (text_[at_] == '"')
                    return fail("line " + std::to_string(line_) + ": a quote inside an unquoted field",
                                error);
                field += text_[at_++];
            }
            return true;
        }
        return readQuoted(field, error);
    }

    bool readQuoted(std::string& field, std::string& error)
    {
        const int start = line_;
        ++at_;
        while (!atEnd()) {
            const char c = text_[at_++];
            if (c == '"' && !atEnd() && text_[at_] == '"') {
                field += '"';
                ++at_;
            } else if (c == '"') {
                if (atEnd() || text_[at_] == ',' || text_[at_] == '\r' || text_[at_] == '\n') return true;
                return fail("line " + std::to_string(line_) + ": text after a closing quote", error);
            } else {
                if (c == '\n') ++line_;
                field += c;
            }
        }
        return fail("line " + std::to_string(start) + ": a quoted field is not closed", error);
    }

    static bool fail(const std::string& reason, std::string& error)
    {
        error = reason;
        return false;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    int line_ = 1;
};

} // namespace

std::string CsvText::row(const std::vector<std::string>& fields)
{
    std::string text;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) text += ',';
        text += needsQuotes(fields[i]) ? quoted(fields[i]) : fields[i];
    }
    return text + "\r\n";
}

std::optional<std::vector<CsvRow>> CsvText::parse(std::string_view text, std::string& error)
{
    constexpr std::string_view Bom = "\xEF\xBB\xBF";
    if (text.substr(0, Bom.size()) == Bom) text.remove_prefix(Bom.size());
    std::vector<CsvRow> rows;
    CsvReader reader(text);
    while (!reader.atEnd()) {
        CsvRow row;
        if (!reader.next(row, error)) return std::nullopt;
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace zmp
