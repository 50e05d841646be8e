#include "image/settinglocator.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "image/channeltablecodec.h"
#include "image/dscsettingstable.h"
#include "image/imagemap.h"
#include "image/settingstable.h"

namespace zmp {

namespace {

constexpr int PlanControlStride = 2;

struct NamedTable {
    const char* name;
    ChannelTableLayout layout;
};

constexpr std::array<NamedTable, 5> Tables{{
    {"USA", UsaLayout},
    {"INT", IntLayout},
    {"CAN", CanLayout},
    {"WX", WxLayout},
    {"EXP", ExpLayout},
}};

struct NamedRange {
    int first;
    int last;
    const char* name;
};

constexpr std::array<NamedRange, 10> Settings{{
    {address::ChecksumFirst, address::Checksum, "image checksum"},
    {address::CurrentGroup, address::CurrentWeather + 1, "current channel"},
    {address::DualWatch, address::Weater, "common settings"},
    {address::PriorityChannel, address::PriorityChannel + 5, "priority channels"},
    {address::UserMmsi, address::UserMmsiCounter, "User MMSI"},
    {address::AtisCode, address::AtisCodeCounter, "ATIS code"},
    {address::AdvancedCalls, address::ReceivedGeografic, "DSC settings"},
    {address::AutoPosEnable, address::AutoPosLastGroupId, "Auto POS"},
    {address::GroupChannelWords, address::GroupChannelWords + 4 * address::GroupChannelWordStride - 1,
     "group channels"},
}};

std::string withoutColon(const std::string& caption)
{
    return caption.ends_with(':') ? caption.substr(0, caption.size() - 1) : caption;
}

// A setting of the table is named by its report caption, without the colon.
std::string tableSetting(int a)
{
    for (const SettingRow& row : commonSettings()) {
        if (row.imageForm == ImageForm::None || row.address != a) continue;
        return withoutColon(row.reportCaption);
    }
    return {};
}

// A DSC byte of one choice is named by it; a byte of one call kind's flags
// by the call kind. The flag byte that mixes several stays unnamed here.
std::string dscSetting(int a)
{
    std::vector<const DscSettingRow*> held;
    for (const DscSettingRow& row : dscSettings())
        if (row.imageForm != ImageForm::None && row.address == a) held.push_back(&row);
    if (held.size() == 1 && held.front()->reportCaption) return withoutColon(held.front()->reportCaption);
    const auto sameGroup = [&held](const DscSettingRow* row) {
        return std::string_view(row->reportTitle) == held.front()->reportTitle;
    };
    if (held.size() > 1 && *held.front()->reportTitle && std::ranges::all_of(held, sameGroup))
        return held.front()->reportTitle;
    return {};
}

std::string entry(const char* kind, int index)
{
    return std::string(kind) + " " + std::to_string(index + 1);
}

bool within(int address, int first, int count, int stride, int& index)
{
    if (address < first || address >= first + count * stride) return false;
    index = (address - first) / stride;
    return true;
}

std::string channelSetting(int a)
{
    int i = 0;
    for (const NamedTable& table : Tables) {
        const ChannelTableLayout& l = table.layout;
        const std::string channel = std::string(table.name) + " channel";
        if (within(a, l.nameAddress, l.entryCount, address::ChannelNameLength, i))
            return entry(channel.c_str(), i) + " name";
        if (within(a, l.enableAddress, l.bitmapBytes, 1, i))
            return table.name + std::string(" channels enabled");
        if (within(a, l.scanAddress, l.bitmapBytes, 1, i)) return table.name + std::string(" scan memory");
        const int stride =
            l.control == ChannelControl::ExpRecord ? address::ExpRecordStride : PlanControlStride;
        if (l.control != ChannelControl::None && within(a, l.controlAddress, l.entryCount, stride, i))
            return entry(channel.c_str(), i);
    }
    return {};
}

} // namespace

std::string settingAt(int a)
{
    int i = 0;
    if (within(a, address::MemoryIdBase, 80, address::DirectoryStride, i)) return entry("Memory ID entry", i);
    if (within(a, address::GroupIdBase, 32, address::DirectoryStride, i)) return entry("Group ID entry", i);
    if (within(a, address::GroupBase, UsableGroupCount, address::GroupStride, i))
        return GroupKeys[static_cast<std::size_t>(i)];
    if (std::string channel = channelSetting(a); !channel.empty()) return channel;
    if (std::string setting = tableSetting(a); !setting.empty()) return setting;
    if (std::string setting = dscSetting(a); !setting.empty()) return setting;
    for (const NamedRange& range : Settings)
        if (a >= range.first && a <= range.last) return range.name;
    return {};
}

} // namespace zmp
