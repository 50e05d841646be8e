#include "ui/recordlookup.h"

#include <cctype>

#include "ui/treebuilder.h"

namespace zmp {

namespace {

std::string prefixOf(const std::string& key)
{
    std::string prefix = key.substr(0, 2);
    for (char& c : prefix)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return prefix;
}

} // namespace

bool isExpKey(const std::string& key)
{
    return key.size() >= 2 && (key[0] == 'E' || key[0] == 'e') &&
           std::isdigit(static_cast<unsigned char>(key[1]));
}

ChannelTable* channelTableOfKey(Records& records, const std::string& key)
{
    if (isExpKey(key)) return &records.exp;
    const std::string prefix = prefixOf(key);
    if (prefix == "PU") return &records.usa;
    if (prefix == "PI") return &records.intl;
    if (prefix == "PC") return &records.can;
    return nullptr;
}

ChannelRecord* channelOfKey(Records& records, const std::string& key)
{
    ChannelTable* table = channelTableOfKey(records, key);
    int index = recordIndexOfKey(key);
    if (!table || index < 0) return nullptr;
    // Expansion channels are numbered from 1, group channels from 0.
    if (isExpKey(key)) --index;
    if (index < 0 || static_cast<std::size_t>(index) >= table->size()) return nullptr;
    return &(*table)[static_cast<std::size_t>(index)];
}

Directory* directoryOfKey(Records& records, const std::string& key)
{
    const std::string prefix = prefixOf(key);
    if (prefix == "SM") return &records.memoryId;
    if (prefix == "SG") return &records.groupId;
    return nullptr;
}

bool isGroupDirectoryKey(const std::string& key)
{
    return prefixOf(key) == "SG";
}

} // namespace zmp
