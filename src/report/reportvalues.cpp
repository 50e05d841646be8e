#include "report/reportvalues.h"

#include "codec/channelplan.h"
#include "codec/fixedwidthtext.h"
#include "codec/frequencyformat.h"

namespace zmp {

std::string planLabel(int position)
{
    const ChannelPlan& plan = channelPlan();
    if (position < 0 || position >= static_cast<int>(plan.size())) return "";
    return plan[static_cast<std::size_t>(position)].Label;
}

std::string expChannelDisplay(const std::string& left, const std::string& right)
{
    return padText(left, 2) + (right.empty() ? std::string(" ") : right.substr(right.size() - 1));
}

std::string snappedExpFrequencyText(double& mhz)
{
    if (mhz > 0.0) mhz = snapToChannelGrid(mhz);
    return expFrequencyText(mhz);
}

} // namespace zmp
