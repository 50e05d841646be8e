#include "report/printedreport.h"

#include "report/pagewriter.h"
#include "report/settingssections.h"
#include "report/tablesections.h"

namespace zmp {

namespace {

PrintLine settingsLine(const SettingsLine& line)
{
    PrintLine printed{{0.0, line.label}};
    for (std::size_t i = 0; i < line.values.size(); ++i)
        printed.push_back({settingsValueXMm(static_cast<int>(i)), line.values[i].text});
    return printed;
}

PrintLine tableLine(const std::vector<std::string>& cells, const std::vector<double>& positions)
{
    PrintLine printed;
    for (std::size_t i = 0; i < cells.size() && i < positions.size(); ++i)
        printed.push_back({positions[i], cells[i]});
    return printed;
}

void addSettings(PageWriter& writer, const SettingsSection& section, bool first)
{
    if (!first) writer.addEmptyLine();
    writer.addLine({{0.0, section.heading}}, PrintFontStyle::Bold);
    for (const SettingsLine& line : section.lines) {
        if (line.label.empty() && line.values.empty())
            writer.addEmptyLine();
        else
            writer.addLine(settingsLine(line));
    }
}

void addTable(PageWriter& writer, const TableSection& section)
{
    const PrintLine names = tableLine(section.columns, section.printedXMm);
    const PrintLine dashes = tableLine(section.printedDashes, section.printedXMm);
    writer.setContinuationLines({});
    writer.startPage(true);
    writer.addLine({{0.0, section.heading}}, PrintFontStyle::Bold);
    writer.addLine(names);
    writer.addLine(dashes);
    writer.setContinuationLines({names, dashes});
    for (const auto& row : section.rows)
        writer.addLine(tableLine(row, section.printedXMm));
}

} // namespace

std::string printedPageHeader(int model)
{
    return modelName(model) + " Zampler";
}

PageGeometry firstPageGeometry(const PageGeometry& geometry, const std::vector<SettingsSection>& sections)
{
    // The page header and the empty line under it, then each section's
    // heading and lines with an empty line between sections.
    std::size_t lines = 2 + sections.size() - 1;
    for (const SettingsSection& section : sections)
        lines += 1 + section.lines.size();
    // The last line may start no lower than on any other page.
    const double room = geometry.heightMm - geometry.bottomMarginMm - geometry.topMm - geometry.lineHeightMm;
    if (static_cast<double>(lines - 1) * geometry.lineHeightMm <= room) return geometry;
    PageGeometry tight = geometry;
    tight.lineHeightMm = room / static_cast<double>(lines - 1);
    tight.pointSize = geometry.pointSize * tight.lineHeightMm / geometry.lineHeightMm;
    return tight;
}

PrintedReport printedReport(const ReportInput& input, const PageGeometry& geometry)
{
    Records& records = input.records;
    const std::vector<SettingsSection> settings{usableGroupSection(records, ReportRendering::Printed),
                                                commonSection(records),
                                                dscBasicSection(input, ReportRendering::Printed),
                                                dscAdvancedSection(records), dscDisplaySection(records)};
    PageWriter firstPage(firstPageGeometry(geometry, settings), printedPageHeader(input.model));
    firstPage.startPage(true);
    for (std::size_t i = 0; i < settings.size(); ++i)
        addSettings(firstPage, settings[i], i == 0);
    PrintedReport pages = firstPage.takePages();
    PageWriter writer(geometry, printedPageHeader(input.model));
    if (input.hasAtis) {
        writer.startPage(false);
        addSettings(writer, atisSection(records), true);
    }
    for (const TableSection& section : reportTableSections(records))
        addTable(writer, section);
    for (PrintPage& page : writer.takePages())
        pages.push_back(std::move(page));
    return pages;
}

} // namespace zmp
