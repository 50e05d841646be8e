#include "files/profilereader.h"

#include <algorithm>
#include <fstream>

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

bool readBoundedLine(std::istream& in, std::string& line)
{
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    int c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) return false;
    for (; c != std::char_traits<char>::eof() && c != '\n'; c = buffer->sbumpc())
        if (line.size() < MaxLineLength) line.push_back(static_cast<char>(c));
    return true;
}

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

bool findRawValue(const std::string& path, const std::string& section, const std::string& key,
                  std::string& value)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const std::string wantedSection = TextValue::trimmed(section);
    const std::string wantedKey = TextValue::trimmed(key);
    bool inSection = false;
    std::string line;
    while (readBoundedLine(in, line)) {
        line = TextValue::trimmed(line);
        std::string name;
        if (sectionHeader(line, name)) {
            inSection = TextValue::equalsIgnoringCase(name, wantedSection);
            continue;
        }
        const auto equals = line.find('=');
        if (!inSection || equals == std::string::npos || line.front() == ';') continue;
        if (TextValue::equalsIgnoringCase(TextValue::trimmed(line.substr(0, equals)), wantedKey)) {
            value = unquoted(TextValue::trimmed(line.substr(equals + 1)));
            return true;
        }
    }
    return false;
}

} // namespace

std::string ProfileReader::readString(const std::string& path, const std::string& section,
                                      const std::string& key, const std::string& fallback)
{
    std::string text;
    if (!findRawValue(path, section, key, text)) text = fallback;
    text = text.substr(0, std::min(text.find('\0'), BufferSize - 1));
    if (text == NoValue) return "";
    if (!text.empty() && text.front() == '#') text.erase(0, 1);
    return text;
}

} // namespace zmp
