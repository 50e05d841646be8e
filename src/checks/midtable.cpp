#include "checks/midtable.h"

#include <algorithm>

namespace zmp {

namespace {

bool isMid(std::string_view text)
{
    return text.size() == 3 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.back() == '\r' || text.back() == ' '))
        text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return text;
}

} // namespace

const MidTable& MidTable::allocated()
{
    static const MidTable table = parse(allocationText());
    return table;
}

MidTable MidTable::parse(std::string_view text)
{
    MidTable table;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const auto tab = line.find('\t');
        if (line.empty() || line.front() == '#' || tab == std::string_view::npos) continue;
        const std::string_view mid = line.substr(0, tab);
        const std::string_view name = trimmed(line.substr(tab + 1));
        if (isMid(mid) && !name.empty()) table.countries_.emplace(std::string(mid), std::string(name));
    }
    return table;
}

const std::string* MidTable::country(std::string_view mid) const
{
    const auto found = countries_.find(mid);
    return found == countries_.end() ? nullptr : &found->second;
}

} // namespace zmp
