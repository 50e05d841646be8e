#include "files/profilereader.h"

#include <algorithm>

#include "files/filereading.h"
#include "files/textvalue.h"

namespace zmp {

namespace {

// The platform reader fills a 128-character buffer, one place of which
// holds the terminating NUL.
constexpr std::size_t BufferSize = 128;
const char* const NoValue = "<NONE>";
// Longer lines are cut while read, so that no input can make the reader
// hold more than this much of it.
constexpr std::size_t MaxLineLength = 4096;
constexpr std::size_t ReadChunkSize = 16 * 1024;

// A value enclosed in one pair of matching quotes loses them, as the
// platform reader does.
std::string unquoted(const std::string& value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// The section name of a header line, or nothing when the line is no header.
bool sectionHeader(const std::string& line, std::string& name)
{
    if (line.empty() || line.front() != '[') return false;
    const auto close = line.find(']');
    name = TextValue::trimmed(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return true;
}

// Looks for the key line by line as the file streams past, so the reader
// holds at most one bounded line of it whatever its size.
class KeySearch {
  public:
    KeySearch(const std::string& section, const std::string& key)
        : section_(TextValue::trimmed(section)), key_(TextValue::trimmed(key))
    {
    }

    // False once the key is found.
    bool feed(std::string_view chunk)
    {
        if (atStart_ && !chunk.empty()) {
            chunk = TextValue::withoutByteOrderMark(chunk);
            atStart_ = false;
        }
        for (const char c : chunk) {
            if (c == '\n' && afterCr_) {
                afterCr_ = false;
                continue;
            }
            afterCr_ = c == '\r';
            if (c == '\r' || c == '\n') {
                if (takeLine()) return false;
            } else if (line_.size() < MaxLineLength) {
                line_.push_back(c);
            }
        }
        return true;
    }
    bool finish() { return !found_ && takeLine(); }
    bool found() const { return found_; }
    const std::string& value() const { return value_; }

  private:
    bool takeLine()
    {
        const std::string line = TextValue::trimmed(line_);
        line_.clear();
        std::string name;
        if (sectionHeader(line, name)) {
            inSection_ = TextValue::equalsIgnoringCase(name, section_);
            return false;
        }
        const auto equals = line.find('=');
        if (!inSection_ || equals == std::string::npos || line.front() == ';') return false;
        if (!TextValue::equalsIgnoringCase(TextValue::trimmed(line.substr(0, equals)), key_)) return false;
        value_ = unquoted(TextValue::trimmed(line.substr(equals + 1)));
        found_ = true;
        return true;
    }

    std::string section_;
    std::string key_;
    std::string line_;
    std::string value_;
    bool inSection_ = false;
    bool afterCr_ = false;
    bool atStart_ = true;
    bool found_ = false;
};

bool findRawValue(const std::string& path, const std::string& section, const std::string& key,
                  std::string& value, FileError& error)
{
    KeySearch search(section, key);
    if (!readFileChunks(
            path, ReadChunkSize, [&search](std::string_view chunk) { return search.feed(chunk); }, error))
        return false;
    search.finish();
    value = search.value();
    return search.found();
}

} // namespace

std::string ProfileReader::readString(const std::string& path, const std::string& section,
                                      const std::string& key, const std::string& fallback, FileError* error)
{
    std::string text;
    FileError reason;
    if (!findRawValue(path, section, key, text, reason)) text = fallback;
    if (error) *error = reason;
    text = text.substr(0, std::min(text.find('\0'), BufferSize - 1));
    if (text == NoValue) return "";
    if (!text.empty() && text.front() == '#') text.erase(0, 1);
    return text;
}

} // namespace zmp
