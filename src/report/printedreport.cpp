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

PrintedReport printedReport(const ReportInput& input, const PageGeometry& geometry)
{
    Records& records = input.records;
    PageWriter writer(geometry, printedPageHeader(input.model));
    writer.startPage(true);
    addSettings(writer, usableGroupSection(records, ReportRendering::Printed), true);
    addSettings(writer, commonSection(records), false);
    addSettings(writer, dscBasicSection(input, ReportRendering::Printed), false);
    addSettings(writer, dscAdvancedSection(records), false);
    addSettings(writer, dscDisplaySection(records), false);
    if (input.hasAtis) {
        writer.startPage(false);
        addSettings(writer, atisSection(records), true);
    }
    for (const TableSection& section : reportTableSections(records))
        addTable(writer, section);
    return writer.takePages();
}

} // namespace zmp
