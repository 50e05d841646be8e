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

    // After a malformed record: on from the physical line after the one
    // where the fault was found.
    void skipFaultyLine()
    {
        at_ = text_.find_first_of("\r\n", faultAt_);
        if (at_ == std::string_view::npos) {
            at_ = text_.size();
            return;
        }
        if (text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n') ++at_;
        ++at_;
        line_ = faultLine_ + 1;
    }

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
                if (text_[at_] == '"') return fail(at_, line_, "a quote inside an unquoted field", error);
                field += text_[at_++];
            }
            return true;
        }
        return readQuoted(field, error);
    }

    bool readQuoted(std::string& field, std::string& error)
    {
        const int start = line_;
        const std::size_t quote = at_++;
        while (!atEnd()) {
            const char c = text_[at_++];
            if (c == '"' && !atEnd() && text_[at_] == '"') {
                field += '"';
                ++at_;
            } else if (c == '"') {
                if (atEnd() || text_[at_] == ',' || text_[at_] == '\r' || text_[at_] == '\n') return true;
                return fail(at_, line_, "text after a closing quote", error);
            } else {
                if (c == '\n') ++line_;
                field += c;
            }
        }
        return fail(quote, start, "a quoted field is not closed", error);
    }

  private:
    bool fail(std::size_t at, int line, const std::string& reason, std::string& error)
    {
        faultAt_ = at;
        faultLine_ = line;
        error = "line " + std::to_string(line) + ": " + reason;
        return false;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    int line_ = 1;
    std::size_t faultAt_ = 0;
    int faultLine_ = 1;
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
    std::vector<std::string> errors;
    std::vector<CsvRow> rows = parseAll(text, errors);
    if (errors.empty()) return rows;
    error = errors.front();
    return std::nullopt;
}

std::vector<CsvRow> CsvText::parseAll(std::string_view text, std::vector<std::string>& errors)
{
    constexpr std::string_view Bom = "\xEF\xBB\xBF";
    if (text.substr(0, Bom.size()) == Bom) text.remove_prefix(Bom.size());
    std::vector<CsvRow> rows;
    CsvReader reader(text);
    while (!reader.atEnd()) {
        CsvRow row;
        std::string error;
        const bool read = reader.next(row, error);
        row.malformed = !read;
        rows.push_back(std::move(row));
        if (read) continue;
        errors.push_back(error);
        reader.skipFaultyLine();
    }
    return rows;
}

} // namespace zmp
