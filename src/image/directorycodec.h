#pragma once

#include "model/memoryimage.h"
#include "model/records.h"

// The Memory ID and Group ID directories: 16-byte entries of an MMSI and
// an 11-character name, kept as a packed list.
namespace zmp {

struct DirectoryLayout {
    int base;
    int entryCount;
};

inline constexpr DirectoryLayout MemoryIdLayout{18176, MemoryIdCount};
inline constexpr DirectoryLayout GroupIdLayout{20224, GroupIdCount};

void decodeDirectory(const MemoryImage& image, const DirectoryLayout& layout, Directory& directory);
void encodeDirectory(MemoryImage& image, const DirectoryLayout& layout, const Directory& directory);

// Entries up to the first one without an MMSI are enabled; that entry and
// every later one are emptied and disabled.
void applyPackedListRule(Directory& directory);

// Every entry disabled, without MMSI, name or members.
void emptyDirectory(Directory& directory);

} // namespace zmp
