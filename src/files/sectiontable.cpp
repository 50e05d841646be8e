#include "files/sectiontable.h"

#include "files/filereading.h"
#include "files/textvalue.h"

#include <algorithm>
#include <array>

namespace zmp {
namespace {

constexpr std::size_t EntryOverhead = 64;
constexpr std::size_t ReadChunkSize = 256 * 1024;

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// Every key line and every lookup passes here: a table spares each
// character its two range tests.
constexpr std::array<char, 256> UpperOf = [] {
    std::array<char, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return table;
}();

void appendUpper(std::string& out, std::string_view text)
{
    const std::size_t start = out.size();
    out.append(text);
    char* const first = out.data() + start;
    std::transform(first, first + text.size(), first,
                   [](char c) { return UpperOf[static_cast<unsigned char>(c)]; });
}

void composeIndexKey(std::string& composed, std::string_view upperSection, std::string_view key)
{
    composed.assign(upperSection);
    // Lines never hold a line feed, so it cannot occur in either name.
    composed.push_back('\n');
    appendUpper(composed, key);
}

} // namespace

SectionTable SectionTable::fromText(std::string_view text)
{
    SectionTable table;
    table.feed(text);
    table.finish();
    return table;
}

bool SectionTable::parseFile(const std::string& path, FileError& error)
{
    clear();
    const bool read = readFileChunks(
        path, ReadChunkSize,
        [this](std::string_view chunk) {
            feed(chunk);
            return ok();
        },
        error);
    if (!read) return false;
    finish();
    return true;
}

// CR LF, a lone CR and a lone LF all end a line, so files edited on any
// system read alike; a CR LF split across two pieces counts once.
void SectionTable::feed(std::string_view chunk)
{
    if (atStart_ && !chunk.empty()) {
        chunk = TextValue::withoutByteOrderMark(chunk);
        atStart_ = false;
    }
    std::size_t at = 0;
    while (ok() && at < chunk.size()) {
        if (afterCr_ && chunk[at] == '\n') ++at;
        afterCr_ = false;
        const std::size_t end = chunk.find_first_of("\r\n", at);
        const std::size_t stop = end == std::string_view::npos ? chunk.size() : end;
        const std::string_view piece = chunk.substr(at, stop - at);
        if (partial_.size() + piece.size() > MaxLineLength) {
            status_ = Status::LineTooLong;
            return;
        }
        if (end == std::string_view::npos) {
            partial_.append(piece);
            return;
        }
        if (partial_.empty()) {
            takeLine(piece);
        } else {
            partial_.append(piece);
            takeLine(partial_);
            partial_.clear();
        }
        afterCr_ = chunk[end] == '\r';
        at = end + 1;
    }
}

void SectionTable::finish()
{
    if (!ok()) return;
    if (!partial_.empty()) takeLine(partial_);
    partial_.clear();
    // A header that ends the key lines of a section and is also the last
    // line of the file opens no section: it could hold no keys.
    if (lastLineOpenedHandedSection_) --sectionCount_;
    lastLineOpenedHandedSection_ = false;
}

void SectionTable::takeLine(std::string_view line)
{
    lastLineOpenedHandedSection_ = false;
    if (!inSection_) {
        takeHeaderOrDiscard(line, false);
        return;
    }
    const auto equals = line.find('=');
    if (equals != std::string_view::npos && equals >= 1)
        takeKeyLine(line, equals);
    else if (line.find('[') != std::string_view::npos)
        takeHeaderOrDiscard(line, true);
}

void SectionTable::takeHeaderOrDiscard(std::string_view line, bool handedOver)
{
    inSection_ = false;
    if (line.empty() || line.front() != '[') return;
    const std::string_view rest = line.substr(1);
    const auto close = rest.find(']');
    if (close == std::string_view::npos || close == 0) return;
    currentSection_.clear();
    appendUpper(currentSection_, trimmed(rest.substr(0, close)));
    inSection_ = true;
    ++sectionCount_;
    lastLineOpenedHandedSection_ = handedOver;
}

void SectionTable::takeKeyLine(std::string_view line, std::size_t equals)
{
    composeIndexKey(keyBuffer_, currentSection_, trimmed(line.substr(0, equals)));
    if (index_.find(keyBuffer_) != index_.end()) return;
    std::string_view value = trimmed(line.substr(equals + 1));
    if (!value.empty() && value.front() == '#') value.remove_prefix(1);
    indexBytes_ += keyBuffer_.size() + value.size() + EntryOverhead;
    if (indexBytes_ > MaxIndexBytes) {
        status_ = Status::TooManyEntries;
        return;
    }
    index_.emplace(keyBuffer_, std::string(value));
    if (sectionsWithKeys_.insert(currentSection_).second)
        indexBytes_ += currentSection_.size() + EntryOverhead;
}

bool SectionTable::hasSection(std::string_view section) const
{
    std::string upperSection;
    appendUpper(upperSection, section);
    return sectionsWithKeys_.count(upperSection) != 0;
}

std::string SectionTable::lookupValue(std::string_view section, std::string_view key) const
{
    std::string upperSection;
    appendUpper(upperSection, section);
    std::string composed;
    composeIndexKey(composed, upperSection, key);
    const auto found = index_.find(composed);
    return found == index_.end() ? std::string() : found->second;
}

} // namespace zmp
