#include "ui/pageid.h"

#include <algorithm>
#include <cctype>

namespace zmp {

namespace {

bool same(const std::string& a, const char* b)
{
    const std::string other(b);
    return a.size() == other.size() && std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

PageId pageForOwnKey(const std::string& key, bool& found)
{
    found = true;
    if (same(key, "General")) return PageId::Logo;
    if (same(key, "Program") || same(key, "DSCSetting")) return PageId::Grey;
    if (same(key, "ExpChannel")) return PageId::ExpGrid;
    if (same(key, "Usable")) return PageId::UsableSetup;
    if (same(key, "Common")) return PageId::CommonSetup;
    if (same(key, "DSC")) return PageId::DscSetup;
    if (same(key, "ATIS")) return PageId::AtisSetup;
    if (same(key, "PU") || same(key, "PI") || same(key, "PC")) return PageId::GroupGrid;
    if (same(key, "PW")) return PageId::Weather;
    if (same(key, "SM") || same(key, "SG")) return PageId::DirectoryGrid;
    found = false;
    return PageId::Grey;
}

} // namespace

PageId pageForNode(const std::string& key, const std::string& parentKey)
{
    bool found = false;
    const PageId own = pageForOwnKey(key, found);
    if (found) return own;
    if (same(parentKey, "PU") || same(parentKey, "PI") || same(parentKey, "PC") ||
        same(parentKey, "ExpChannel"))
        return PageId::ChannelEditor;
    if (same(parentKey, "SM") || same(parentKey, "SG")) return PageId::DirectoryEntry;
    return PageId::Grey;
}

} // namespace zmp
