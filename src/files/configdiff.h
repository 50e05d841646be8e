#pragma once

#include <string>
#include <vector>

namespace zmp {

// Two configurations compared record by record through the keys of their
// configuration-file form: what zmp-cli diff prints and what the editor's
// comparison with the radio is made from.
class ConfigDiff {
  public:
    struct Entry {
        std::string section;
        std::string key;
        std::string value;
    };
    // A key of the two sides; a key that only one side has gets an empty
    // value on the other.
    struct Difference {
        std::string section;
        std::string key;
        std::string a;
        std::string b;
        bool differs = true;
    };

    // The entries of a configuration-file text in file order, values with
    // their "#" marker removed as the reader sees them.
    static std::vector<Entry> entries(const std::string& text);
    // Every key of either side, in the order of a, then the keys only b
    // has; the same MMSI in its nine- and ten-digit forms does not differ.
    static std::vector<Difference> compareAll(const std::vector<Entry>& a, const std::vector<Entry>& b);
    // The keys whose values differ, in the same order.
    static std::vector<Difference> compare(const std::vector<Entry>& a, const std::vector<Entry>& b);
    static std::vector<Difference> compareTexts(const std::string& a, const std::string& b);
    // "section key: a -> b"
    static std::string line(const Difference& difference);
};

} // namespace zmp
