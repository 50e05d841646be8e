#pragma once

#include <vector>

#include "model/records.h"
#include "report/reportsection.h"

// The channel and directory lists of the configuration report.
namespace zmp {

enum class PlanTable { Usa, International, Canada };
enum class DirectoryKind { MemoryId, GroupId };

// Only the enabled channels of the table are listed.
TableSection planTableSection(const Records& records, PlanTable table);
TableSection weatherSection(const Records& records);
TableSection directorySection(const Records& records, DirectoryKind kind);
// Snaps the expansion frequencies of the records to the channel raster.
TableSection expSection(Records& records);
// All the lists, in the order both the text and the printed report give them.
std::vector<TableSection> reportTableSections(Records& records);

} // namespace zmp
