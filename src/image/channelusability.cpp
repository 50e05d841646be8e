#include "image/channelusability.h"

#include "image/channeltablecodec.h"
#include "image/fieldcodec.h"
#include "image/imagemap.h"

namespace zmp {

namespace {

constexpr int PlanGroupCount = 3;

int enableBitmapOf(int group)
{
    switch (group) {
    case Group1:
        return UsaLayout.enableAddress;
    case Group2:
        return IntLayout.enableAddress;
    default:
        return CanLayout.enableAddress;
    }
}

bool isExpChannelUsable(const MemoryImage& image, int k)
{
    return decodeBitFlag(image, address::ExpGroupEnable, 0) &&
           decodeBitmapEntry(image, ExpLayout.enableAddress, k);
}

} // namespace

bool isGroupEnabled(const MemoryImage& image, int group)
{
    return group >= 0 && group < UsableGroupCount &&
           decodeFlagByte(image, address::GroupBase + address::GroupStride * group);
}

bool isChannelUsable(const MemoryImage& image, int group, int channel)
{
    if (group < 0 || group >= PlanGroupCount) return false;
    if (channel >= 0 && channel < PlanRowCount)
        return isGroupEnabled(image, group) && decodeBitmapEntry(image, enableBitmapOf(group), channel);
    if (channel >= ExpChannelBase && channel < ExpChannelBase + ExpChannelCount)
        return isExpChannelUsable(image, channel - ExpChannelBase);
    return false;
}

bool isWeatherChannelUsable(const MemoryImage& image, int channel)
{
    return channel >= 0 && channel < WxChannelCount &&
           decodeBitmapEntry(image, WxLayout.enableAddress, channel);
}

} // namespace zmp
