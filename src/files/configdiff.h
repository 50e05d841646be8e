#pragma once

#include <string>
#include <vector>

namespace zmp {

// Two configurations compared record by record through the keys of their
// configuration-file form: what zmp-cli diff prints and what the editor's
// comparison with the radio shows.
class ConfigDiff {
  public:
    struct Entry {
        std::string section;
        std::string key;
        std::string value;
    };
    // A key whose values differ; a key that only one side has gets an
    // empty value on the other.
    struct Difference {
        std::string section;
        std::string key;
        std::string a;
        std::string b;
    };

    // The entries of a configuration-file text in file order, values with
    // their "#" marker removed as the reader sees them.
    static std::vector<Entry> entries(const std::string& text);
    // In the order of a, then the keys only b has.
    static std::vector<Difference> compare(const std::vector<Entry>& a, const std::vector<Entry>& b);
    static std::vector<Difference> compareTexts(const std::string& a, const std::string& b);
    // A configuration read from the radio against the editor's: the keys
    // of settings the image has no place for are left out, since the radio
    // can hold neither side's value.
    static std::vector<Difference> compareWithRadio(const std::string& radio, const std::string& editor);
    // "section key: a -> b"
    static std::string line(const Difference& difference);
};

} // namespace zmp
