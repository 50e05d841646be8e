#pragma once

#include <string>
#include <vector>

namespace zmp::radiosim {

// What the radio does in response to one message from the computer.
struct RadioAnswer {
    struct Segment {
        int delayMs = 0; // silence before the segment starts
        std::string bytes;
    };
    std::vector<Segment> segments;
    bool discardPending = false; // stop sending whatever is still queued (CAN)
    bool hangUp = false;         // drop the line once the segments are out
    std::string note;            // for the traffic log: a fault that was injected
};

} // namespace zmp::radiosim
