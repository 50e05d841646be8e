#include "radiosim/indexset.h"

#include <charconv>

namespace zmp::radiosim {

namespace {

bool parseOrdinal(std::string_view text, int& value)
{
    const auto* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end && value >= 1;
}

bool parseRange(std::string_view text, std::pair<int, int>& range)
{
    const auto dash = text.find('-');
    if (dash == std::string_view::npos) {
        if (!parseOrdinal(text, range.first)) return false;
        range.second = range.first;
        return true;
    }
    return parseOrdinal(text.substr(0, dash), range.first) &&
           parseOrdinal(text.substr(dash + 1), range.second) && range.first <= range.second;
}

} // namespace

bool IndexSet::parse(std::string_view text)
{
    std::vector<std::pair<int, int>> ranges;
    for (;;) {
        const auto comma = text.find(',');
        std::pair<int, int> range;
        if (!parseRange(text.substr(0, comma), range)) return false;
        ranges.push_back(range);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    ranges_.insert(ranges_.end(), ranges.begin(), ranges.end());
    return true;
}

bool IndexSet::contains(int index) const
{
    for (const auto& [first, last] : ranges_)
        if (index >= first && index <= last) return true;
    return false;
}

} // namespace zmp::radiosim
