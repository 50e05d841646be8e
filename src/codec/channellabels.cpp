#include "codec/channellabels.h"

#include "codec/channelplan.h"

namespace zmp {

namespace {

bool isPlanRow(int row)
{
    return row >= 0 && static_cast<std::size_t>(row) < channelPlan().size();
}

std::string planLabel(int row)
{
    return channelPlan()[static_cast<std::size_t>(row)].Label;
}

std::string usaChannelLabel(int position, const ChannelTable& usa)
{
    if (!isPlanRow(position)) return "";
    for (const ChannelRecord& record : usa)
        if (record.Enable && record.Position == position) return planLabel(position);
    return "";
}

std::string expChannelLabel(int number, const ChannelTable& exp)
{
    if (number < 1 || static_cast<std::size_t>(number) > exp.size()) return "";
    const ChannelRecord& record = exp[static_cast<std::size_t>(number - 1)];
    return record.Enable ? record.CHDisplayL + record.CHDisplayR : "";
}

} // namespace

std::string priorityChannelLabel(int channel)
{
    if (isPlanRow(channel)) return planLabel(channel);
    if (channel >= ExpPriorityBase && channel < PriorityLimit)
        return "EXP" + std::to_string(channel - ExpPriorityBase + 1);
    return "Off";
}

std::string autoPosChannelLabel(int value, const ChannelTable& usa, const ChannelTable& exp)
{
    if (value > AutoPosExpBase) return expChannelLabel(value - AutoPosExpBase, exp);
    return usaChannelLabel(value, usa);
}

} // namespace zmp
