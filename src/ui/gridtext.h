#pragma once

#include <array>
#include <string>

#include "codec/channelplan.h"
#include "model/records.h"

namespace zmp {

// One column of a read-only grid: its header and its width in twips.
struct GridColumn {
    const char* header;
    int widthTwips;
};

inline constexpr int ChannelGridColumnCount = 9;
inline constexpr int DirectoryGridColumnCount = 3;
inline constexpr int GridRowHeightTwips = 350;

const std::array<GridColumn, ChannelGridColumnCount>& groupGridColumns();
const std::array<GridColumn, ChannelGridColumnCount>& expGridColumns();
std::array<GridColumn, DirectoryGridColumnCount> directoryGridColumns(bool memoryId);

// The cell texts of the grids, by column.
std::string groupGridCell(const ChannelPlanEntry& row, const ChannelRecord& channel, int column);
std::string expGridCell(const ChannelRecord& channel, int number, int column);
std::string directoryGridCell(const DirectoryEntry& entry, int slot, int column);

// The three display characters of an expansion channel as its grid shows
// them: CHDisplayL's first two characters padded to two, then the last
// character of CHDisplayR or a space.
std::string expGridDisplay(const ChannelRecord& channel);

} // namespace zmp
