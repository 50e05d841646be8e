#include "report/reporttext.h"

#include "codec/fixedwidthtext.h"
#include "report/settingssections.h"
#include "report/tablesections.h"

namespace zmp {

namespace {

constexpr int LabelWidth = 35;

class TextLines {
  public:
    void add(const std::string& line)
    {
        if (lineCount_++ > 0) text_ += "\r\n";
        text_ += line;
    }

    // Sections are separated by one empty line.
    void startSection(const std::string& heading)
    {
        if (lineCount_ > 0) add("");
        add(heading);
    }

    std::string take() { return std::move(text_); }

  private:
    std::string text_;
    int lineCount_ = 0;
};

std::string settingsLine(const SettingsLine& line)
{
    if (line.values.empty()) return line.label;
    std::string text = padText(line.label, LabelWidth);
    for (const ReportCell& cell : line.values)
        text += cell.width > 0 ? padText(cell.text, cell.width) : cell.text;
    return text;
}

// Column names and dashes: every column padded but the last.
std::string headerLine(const std::vector<std::string>& cells, const std::vector<int>& widths)
{
    std::string text;
    for (std::size_t i = 0; i + 1 < cells.size(); ++i)
        text += padText(cells[i], widths[i]);
    return text + cells.back();
}

std::string rowLine(const std::vector<std::string>& cells, const std::vector<int>& widths)
{
    std::string text;
    for (std::size_t i = 0; i < cells.size(); ++i)
        text += padText(cells[i], widths[i]);
    return text;
}

void addSettings(TextLines& lines, const SettingsSection& section)
{
    lines.startSection(section.heading);
    for (const SettingsLine& line : section.lines)
        lines.add(settingsLine(line));
}

void addTable(TextLines& lines, const TableSection& section)
{
    lines.startSection(section.heading);
    lines.add(headerLine(section.columns, section.widths));
    lines.add(headerLine(section.dashes, section.widths));
    for (const auto& row : section.rows)
        lines.add(rowLine(row, section.widths));
}

} // namespace

std::string reportText(const ReportInput& input)
{
    Records& records = input.records;
    TextLines lines;
    addSettings(lines, usableGroupSection(records, ReportRendering::Text));
    addSettings(lines, commonSection(records));
    addSettings(lines, dscBasicSection(input, ReportRendering::Text));
    addSettings(lines, dscAdvancedSection(records));
    addSettings(lines, dscDisplaySection(records));
    if (input.hasAtis) addSettings(lines, atisSection(records));
    for (const TableSection& section : reportTableSections(records))
        addTable(lines, section);
    return lines.take();
}

} // namespace zmp
