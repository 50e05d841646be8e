#pragma once

#include <string>
#include <vector>

namespace zmp {

// One entry of the fixed weather-channel list.
struct WxChannel {
    int Number = 0;            // 1..10
    std::string Label;         // "WX01[162.550MHz]", shown beside the row on the weather page
    std::string FrequencyText; // "162.550MHZ"
    double RxFrequency = 0.0;
    double DuplexRxFrequency = 0.0; // the same as RxFrequency: weather channels have no duplex pair
    double TxFrequency = 0.0;       // 0: weather channels are receive only
};

// The ten weather channels, in list order (entry i has Number i + 1).
const std::vector<WxChannel>& weatherChannels();

} // namespace zmp
