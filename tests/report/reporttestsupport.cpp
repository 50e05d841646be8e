#include "reporttestsupport.h"

#include <algorithm>

namespace zmp::test {

Records planRecords()
{
    Records records;
    for (ChannelTable* table : {&records.usa, &records.intl, &records.can})
        for (std::size_t i = 0; i < table->size(); ++i)
            (*table)[i].Position = static_cast<std::int16_t>(i);
    return records;
}

std::string pad(const std::string& text, std::size_t width)
{
    std::string result = text.substr(0, width);
    result.resize(width, ' ');
    return result;
}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::vector<std::string> sectionLines(const std::string& report, const std::string& heading)
{
    const std::vector<std::string> lines = splitLines(report);
    auto first = std::find(lines.begin(), lines.end(), heading);
    if (first == lines.end()) return {};
    auto last = std::find_if(first + 1, lines.end(),
                             [](const std::string& line) { return line.starts_with("#####"); });
    std::vector<std::string> section(first, last);
    if (last != lines.end()) section.pop_back(); // the empty line between sections
    return section;
}

} // namespace zmp::test
