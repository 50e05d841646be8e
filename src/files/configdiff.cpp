#include "files/configdiff.h"

#include <map>
#include <sstream>
#include <utility>

#include "files/configlayout.h"

namespace zmp {

namespace {

using Key = std::pair<std::string, std::string>;

std::map<Key, std::string> indexed(const std::vector<ConfigDiff::Entry>& entries)
{
    std::map<Key, std::string> result;
    for (const auto& entry : entries)
        result.emplace(Key{entry.section, entry.key}, entry.value);
    return result;
}

bool isMmsiKey(const std::string& key)
{
    return key == configlayout::MmsidKey || key == configlayout::UserMmsiKey;
}

// An MMSI has nine digits; the radio's memory holds ten, the tenth a 0. A
// file saved from the editor and the same configuration read back from the
// radio hold one MMSI in the two forms, which are the same number.
std::string comparable(const std::string& key, const std::string& value)
{
    const bool tenDigits = value.size() == 10 && value.find_first_not_of("0123456789") == std::string::npos;
    if (isMmsiKey(key) && tenDigits && value.back() == '0') return value.substr(0, 9);
    return value;
}

} // namespace

std::vector<ConfigDiff::Entry> ConfigDiff::entries(const std::string& text)
{
    std::vector<Entry> result;
    std::istringstream lines(text);
    std::string line;
    std::string section;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos) continue;
        std::string value = line.substr(equals + 1);
        if (!value.empty() && value.front() == '#') value.erase(0, 1);
        result.push_back({section, line.substr(0, equals), value});
    }
    return result;
}

std::vector<ConfigDiff::Difference> ConfigDiff::compareAll(const std::vector<Entry>& a,
                                                           const std::vector<Entry>& b)
{
    const auto inA = indexed(a);
    const auto inB = indexed(b);
    std::vector<Difference> all;
    for (const auto& entry : a) {
        const auto other = inB.find({entry.section, entry.key});
        const std::string value = other == inB.end() ? "" : other->second;
        const bool same =
            other != inB.end() && comparable(entry.key, value) == comparable(entry.key, entry.value);
        all.push_back({entry.section, entry.key, entry.value, value, !same});
    }
    for (const auto& entry : b) {
        if (inA.count({entry.section, entry.key})) continue;
        all.push_back({entry.section, entry.key, "", entry.value, true});
    }
    return all;
}

std::vector<ConfigDiff::Difference> ConfigDiff::compare(const std::vector<Entry>& a,
                                                        const std::vector<Entry>& b)
{
    std::vector<Difference> differences = compareAll(a, b);
    std::erase_if(differences, [](const Difference& d) { return !d.differs; });
    return differences;
}

std::vector<ConfigDiff::Difference> ConfigDiff::compareTexts(const std::string& a, const std::string& b)
{
    return compare(entries(a), entries(b));
}

std::string ConfigDiff::line(const Difference& difference)
{
    return difference.section + ' ' + difference.key + ": " + difference.a + " -> " + difference.b;
}

} // namespace zmp
