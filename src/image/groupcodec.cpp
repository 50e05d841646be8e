#include "image/groupcodec.h"

#include <algorithm>

#include "image/expchannelcodec.h"
#include "image/fieldcodec.h"
#include "image/imagemap.h"
#include "model/models.h"

namespace zmp {

namespace {

constexpr int PriorityGroupCount = 3; // Exp CH has no priority channel

int groupAddress(int g)
{
    return address::GroupBase + address::GroupStride * g;
}

bool hasEnabledChannel(const ChannelTable& table)
{
    return std::any_of(table.begin(), table.end(), [](const ChannelRecord& r) { return r.Enable; });
}

} // namespace

void decodeUsableGroups(const MemoryImage& image, Records& records)
{
    for (int g = 0; g < UsableGroupCount; ++g) {
        UsableGroup& group = records.groups[static_cast<std::size_t>(g)];
        group.Enable = decodeFlagByte(image, groupAddress(g));
        if (g < PriorityGroupCount) group.PriorityCh = decodeWord(image, address::PriorityChannel + 2 * g);
        group.StatusName = decodeText(image, groupAddress(g) + address::GroupStatusNameOffset,
                                      address::GroupStatusNameLength);
    }
    records.groups[ExpCh].ExpGroupFlags = decodeExpGroupFlags(image);
}

void encodeUsableGroups(MemoryImage& image, const Records& records)
{
    for (int g = 0; g < UsableGroupCount; ++g) {
        const UsableGroup& group = records.groups[static_cast<std::size_t>(g)];
        encodeFlagByte(image, groupAddress(g), group.Enable);
        if (g < PriorityGroupCount) encodeWord(image, address::PriorityChannel + 2 * g, group.PriorityCh);
        encodeText(image, groupAddress(g) + address::GroupStatusNameOffset, address::GroupStatusNameLength,
                   group.StatusName);
    }
    encodeExpGroupFlags(image, records.groups[ExpCh].ExpGroupFlags);
}

void applyEmptyGroupRule(Records& records, int model)
{
    if (!appliesEmptyGroupRule(model)) return;
    for (int g = 0; g < UsableGroupCount; ++g)
        if (!hasEnabledChannel(groupTable(records, g)))
            records.groups[static_cast<std::size_t>(g)].Enable = false;
}

} // namespace zmp
