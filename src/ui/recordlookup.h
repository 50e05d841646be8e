#pragma once

#include <string>

#include "model/records.h"

namespace zmp {

// The records a tree node stands for, found from its key ("PU12", "E3",
// "SM5"); null when the key names none.

// The channel table of a group node key or a channel key: "PU" USA, "PI"
// International, "PC" Canada, "E" the expansion table.
ChannelTable* channelTableOfKey(Records& records, const std::string& key);
ChannelRecord* channelOfKey(Records& records, const std::string& key);
bool isExpKey(const std::string& key);

// The directory of a directory node key or entry key: "SM" Memory ID,
// "SG" Group ID.
Directory* directoryOfKey(Records& records, const std::string& key);
bool isGroupDirectoryKey(const std::string& key);

} // namespace zmp
