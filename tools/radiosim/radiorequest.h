#pragma once

#include <string>
#include <vector>

namespace zmp::radiosim {

// One message the radio received, as the tests and the log see it.
struct RadioRequest {
    enum class Kind { WakeUp, WakeUpFollow, Cancel, LinkMode, Sync, HostReply, Status, Read, Write, Other };
    Kind kind = Kind::Other;
    int address = -1; // read and write requests
    int length = 0;
    std::string text;                // the line or byte, without CR LF
    std::vector<int> lineRates = {}; // as HostMessage::lineRates
};

} // namespace zmp::radiosim
