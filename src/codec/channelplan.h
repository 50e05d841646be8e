#pragma once

#include <string>
#include <vector>

namespace zmp {

struct ChannelPlanEntry {
    std::string Label;
    double TxFrequency = 0.0;
    double RxFrequency = 0.0;
    double DuplexRxFrequency = 0.0;
    bool DuplexCapable = false;
};

// The fixed 240-row marine channel plan that the USA, INT and CAN tables index.
using ChannelPlan = std::vector<ChannelPlanEntry>;

const ChannelPlan& channelPlan();

} // namespace zmp
