#include "ui/gridtext.h"

#include "codec/fixedwidthtext.h"
#include "codec/frequencyformat.h"

namespace zmp {

namespace {

constexpr const char* EnableMark = "[Enable]";

std::string flagText(bool set, const char* on, const char* off)
{
    return set ? on : off;
}

// The LOW, UP and MEM columns read the same in both channel grids.
std::string lowText(const ChannelRecord& channel)
{
    return flagText(channel.LowPower, "LOW", "---");
}
std::string upText(const ChannelRecord& channel)
{
    return flagText(channel.PowUp, "UP", "--");
}
std::string memText(const ChannelRecord& channel)
{
    return flagText(channel.ScanMemory, "MEM", "---");
}

} // namespace

const std::array<GridColumn, ChannelGridColumnCount>& groupGridColumns()
{
    static const std::array<GridColumn, ChannelGridColumnCount> columns{{{"CH", 800},
                                                                         {"RX[MHz]", 1000},
                                                                         {"TX[MHz]", 1000},
                                                                         {"TX", 600},
                                                                         {"LOW", 600},
                                                                         {"UP", 600},
                                                                         {"DUP", 600},
                                                                         {"MEM", 600},
                                                                         {"CH Name", 2000}}};
    return columns;
}

const std::array<GridColumn, ChannelGridColumnCount>& expGridColumns()
{
    static const std::array<GridColumn, ChannelGridColumnCount> columns{{{"CH", 800},
                                                                         {"ENABLE", 1000},
                                                                         {"DISP", 800},
                                                                         {"RX[MHz]", 1000},
                                                                         {"TX[MHz]", 1000},
                                                                         {"LOW", 600},
                                                                         {"UP", 600},
                                                                         {"MEM", 600},
                                                                         {"CH Name", 2000}}};
    return columns;
}

std::array<GridColumn, DirectoryGridColumnCount> directoryGridColumns(bool memoryId)
{
    return {{{"No.", 800}, {memoryId ? "STATION NAME" : "GROUP NAME", 2500}, {"MMSI", 2150}}};
}

std::string groupGridCell(const ChannelPlanEntry& row, const ChannelRecord& channel, int column)
{
    switch (column) {
    case 0:
        return row.Label;
    case 1:
        return planRxFrequencyText(row, channel);
    case 2:
        return planTxFrequencyText(row, channel);
    case 3:
        return flagText(channel.TxEnable, "TX", "--");
    case 4:
        return lowText(channel);
    case 5:
        return upText(channel);
    case 6:
        return flagText(channel.Duplex, "DUP", "---");
    case 7:
        return memText(channel);
    case 8:
        return channel.ChTag;
    default:
        return "";
    }
}

std::string expGridCell(const ChannelRecord& channel, int number, int column)
{
    switch (column) {
    case 0:
        return std::to_string(number);
    case 1:
        return channel.Enable ? EnableMark : "";
    case 2:
        return expGridDisplay(channel);
    case 3:
        return expFrequencyText(channel.Rxfreq);
    case 4:
        return expFrequencyText(channel.Txfreq);
    case 5:
        return lowText(channel);
    case 6:
        return upText(channel);
    case 7:
        return memText(channel);
    case 8:
        return channel.ChTag;
    default:
        return "";
    }
}

std::string directoryGridCell(const DirectoryEntry& entry, int slot, int column)
{
    switch (column) {
    case 0:
        return std::to_string(slot);
    case 1:
        return entry.TagName;
    // A decoded MMSI carries the tenth, always-zero digit of its storage;
    // the column shows the nine digits of the MMSI itself.
    case 2:
        return padText(entry.Mmsid, MmsiFieldWidth);
    default:
        return "";
    }
}

std::string expGridDisplay(const ChannelRecord& channel)
{
    const std::string right =
        channel.CHDisplayR.empty() ? " " : channel.CHDisplayR.substr(channel.CHDisplayR.size() - 1);
    return padText(channel.CHDisplayL.substr(0, 2), 2) + right;
}

} // namespace zmp
