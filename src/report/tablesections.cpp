#include "report/tablesections.h"

#include "codec/channelplan.h"
#include "codec/columnmarkers.h"
#include "codec/fixedwidthtext.h"
#include "codec/frequencyformat.h"
#include "report/reportvalues.h"

#include <numeric>

namespace zmp {

namespace {

// Printed columns stand where the running sum of a width list puts them.
std::vector<double> accumulatedPositions(const std::vector<double>& widths, std::size_t count)
{
    std::vector<double> positions(widths.size());
    std::partial_sum(widths.begin(), widths.end(), positions.begin());
    positions.resize(count);
    return positions;
}

// The EXP columns take their widths from the entries of the list "0, 7, 10,
// 17, 19, 19, 8, 10, 7, 10, 10, 7, 22, 7, 15, 7, 15" as the USA table does,
// chosen so that each column has room for its widest text in the printer's
// font: three capital letters of CHD, ENABLE, a frequency, LOW, UP and MEM.
std::vector<double> expPrintedPositions()
{
    return accumulatedPositions({0, 7, 15, 15, 19, 19, 10, 7, 10}, 9);
}

std::vector<std::string> planRow(const ChannelRecord& record)
{
    const ChannelPlan& plan = channelPlan();
    const bool inPlan = record.Position >= 0 && record.Position < static_cast<int>(plan.size());
    const ChannelPlanEntry entry =
        inPlan ? plan[static_cast<std::size_t>(record.Position)] : ChannelPlanEntry{};
    return {planLabel(record.Position),
            planRxFrequencyText(entry, record),
            planTxFrequencyText(entry, record),
            columnMarker(ListColumn::Tx, record.TxEnable),
            columnMarker(ListColumn::Low, record.LowPower),
            columnMarker(ListColumn::Up, record.PowUp),
            columnMarker(ListColumn::Dup, record.Duplex),
            columnMarker(ListColumn::Mem, record.ScanMemory),
            record.ChTag};
}

const char* planHeading(PlanTable table)
{
    switch (table) {
    case PlanTable::Usa:
        return "##### Programable USA Channel #####";
    case PlanTable::International:
        return "##### Programable International Channel #####";
    case PlanTable::Canada:
        return "##### Programable Canada Channel #####";
    }
    return "";
}

const ChannelTable& planTable(const Records& records, PlanTable table)
{
    switch (table) {
    case PlanTable::Usa:
        return records.usa;
    case PlanTable::International:
        return records.intl;
    case PlanTable::Canada:
        return records.can;
    }
    return records.usa;
}

std::vector<std::string> directoryRow(int number, const DirectoryEntry& entry)
{
    return {std::to_string(number), fixedWidthText(entry.TagName, 12), fixedWidthText(entry.Mmsid, 9)};
}

std::vector<std::string> expRow(int number, ChannelRecord& record)
{
    return {std::to_string(number),
            expChannelDisplay(record.CHDisplayL, record.CHDisplayR),
            columnMarker(ListColumn::Enable, record.Enable),
            snappedExpFrequencyText(record.Rxfreq),
            snappedExpFrequencyText(record.Txfreq),
            columnMarker(ListColumn::Low, record.LowPower),
            columnMarker(ListColumn::Up, record.PowUp),
            columnMarker(ListColumn::Mem, record.ScanMemory),
            fixedWidthText(record.ChTag, 12)};
}

} // namespace

TableSection planTableSection(const Records& records, PlanTable table)
{
    const std::vector<std::string> dashes{"---", "-------", "-------", "--",          "---",
                                          "--",  "---",     "---",     "------------"};
    TableSection section{planHeading(table),
                         {"CH", "RX(MHz)", "TX(MHz)", "TX", "LOW", "UP", "DUP", "MEM", "CH Name"},
                         dashes,
                         dashes,
                         {5, 9, 9, 4, 5, 4, 5, 5, 12},
                         accumulatedPositions({0, 12, 17, 17, 8, 9, 8, 9, 9, 8}, 9),
                         {}};
    for (const ChannelRecord& record : planTable(records, table))
        if (record.Enable) section.rows.push_back(planRow(record));
    return section;
}

TableSection weatherSection(const Records& records)
{
    TableSection section{"##### Programable Wx Channel #####",
                         {"CH", "ENABLE", "MEM", "CH Name"},
                         {"--", "------", "---", "------------"},
                         {"--", "-----", "---", "------------"},
                         {4, 8, 5, 12},
                         {0, 9, 28, 40},
                         {}};
    for (std::size_t i = 0; i < records.wx.size(); ++i) {
        const ChannelRecord& record = records.wx[i];
        section.rows.push_back({std::to_string(i + 1), columnMarker(ListColumn::Enable, record.Enable),
                                columnMarker(ListColumn::Mem, record.ScanMemory), record.ChTag});
    }
    return section;
}

TableSection directorySection(const Records& records, DirectoryKind kind)
{
    const bool memoryId = kind == DirectoryKind::MemoryId;
    TableSection section{memoryId ? "##### Memory ID Setting #####" : "##### Group ID Setting #####",
                         {"No.", memoryId ? "Station Name" : "Group Name", "MMSI"},
                         {"---", "------------", "---------"},
                         {"---", "------------", "---------"},
                         {5, 14, 9},
                         {0, 19, 50},
                         {}};
    const Directory& directory = memoryId ? records.memoryId : records.groupId;
    for (std::size_t i = 0; i < directory.size(); ++i)
        section.rows.push_back(directoryRow(static_cast<int>(i) + 1, directory[i]));
    return section;
}

TableSection expSection(Records& records)
{
    const std::vector<std::string> dashes{"--",  "---", "------", "--------",    "--------",
                                          "---", "--",  "---",    "------------"};
    TableSection section{"##### Programable Exp Channel #####",
                         {"CH", "CHD", "ENABLE", "RX(MHz)", "TX(MHz)", "LOW", "UP", "MEM", "CH Name"},
                         dashes,
                         dashes,
                         {4, 5, 8, 10, 10, 5, 4, 5, 12},
                         expPrintedPositions(),
                         {}};
    for (std::size_t i = 0; i < records.exp.size(); ++i)
        section.rows.push_back(expRow(static_cast<int>(i) + 1, records.exp[i]));
    return section;
}

std::vector<TableSection> reportTableSections(Records& records)
{
    std::vector<TableSection> sections;
    sections.push_back(planTableSection(records, PlanTable::Usa));
    sections.push_back(planTableSection(records, PlanTable::International));
    sections.push_back(planTableSection(records, PlanTable::Canada));
    sections.push_back(weatherSection(records));
    sections.push_back(directorySection(records, DirectoryKind::MemoryId));
    sections.push_back(directorySection(records, DirectoryKind::GroupId));
    sections.push_back(expSection(records));
    return sections;
}

} // namespace zmp
