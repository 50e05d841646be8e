#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "files/fileerror.h"

namespace zmp {

// A configuration file parsed for lookup: sections and their key lines,
// names upper-cased and trimmed, values trimmed with one leading "#"
// removed. Sections of the same name are searched in file order and the
// first matching key wins, so the table keeps exactly that first value per
// section and key, indexed by both. Memory stays bounded whatever the
// input: a line longer than MaxLineLength or more distinct entries than
// MaxIndexBytes can hold make the parse fail instead of growing.
class SectionTable {
  public:
    static constexpr std::size_t MaxLineLength = 64 * 1024;
    static constexpr std::size_t MaxIndexBytes = 8 * 1024 * 1024;

    enum class Status { Ok, LineTooLong, TooManyEntries };

    // Parses text handed over in pieces; a line may span pieces.
    void feed(std::string_view chunk);
    // Ends the text: takes an unterminated last line.
    void finish();

    static SectionTable fromText(std::string_view text);
    // False with the system error when the file cannot be read.
    bool parseFile(const std::string& path, FileError& error);

    Status status() const { return status_; }
    bool ok() const { return status_ == Status::Ok; }

    // The value, or "" when the section or key is absent; names compared upper-cased.
    std::string lookupValue(std::string_view section, std::string_view key) const;
    // Whether some section of the name (compared upper-cased) holds a key.
    bool hasSection(std::string_view section) const;
    // Index of the last section in file order; -1 when there is none.
    int lastSectionIndex() const { return sectionCount_ - 1; }
    void clear() { *this = SectionTable(); }

  private:
    void takeLine(std::string_view line);
    void takeHeaderOrDiscard(std::string_view line, bool handedOver);
    void takeKeyLine(std::string_view line, std::size_t equals);

    std::unordered_map<std::string, std::string> index_;
    std::unordered_set<std::string> sectionsWithKeys_;
    std::size_t indexBytes_ = 0;
    std::string currentSection_;
    bool inSection_ = false;
    int sectionCount_ = 0;
    bool lastLineOpenedHandedSection_ = false;
    std::string partial_;
    std::string keyBuffer_;
    bool afterCr_ = false;
    bool atStart_ = true;
    Status status_ = Status::Ok;
};

} // namespace zmp
