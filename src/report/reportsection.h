#pragma once

#include <string>
#include <vector>

// The content of the report, section by section, before it is rendered as
// text or laid out on pages. Both renderings share these so that their
// labels and value texts cannot drift apart.
namespace zmp {

// Which rendering a section is built for: the printed report differs from
// the text in a few labels and in its DSC basic section.
enum class ReportRendering { Text, Printed };

struct ReportCell {
    std::string text;
    int width = 0; // text rendering: padded and cut to this width; 0 leaves it as it is
};

// A label with its values. A line without values is a title or an empty line.
struct SettingsLine {
    std::string label;
    std::vector<ReportCell> values;
};

struct SettingsSection {
    std::string heading;
    std::vector<SettingsLine> lines;
};

// A channel or directory list: column names, a line of dash groups, rows.
struct TableSection {
    std::string heading;
    std::vector<std::string> columns;
    std::vector<std::string> dashes;
    std::vector<std::string> printedDashes;
    std::vector<int> widths;        // text rendering
    std::vector<double> printedXMm; // printed rendering, before the left offset
    std::vector<std::vector<std::string>> rows;
};

} // namespace zmp
