#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "radiosim/faultplan.h"

namespace zmp::radiosim {

// How zmp-radio-sim was asked to run.
struct SimOptions {
    // Pace at the speed the computer set on its end of the line.
    static constexpr int FollowLine = -1;

    struct Poke {
        int address = 0;
        std::vector<std::uint8_t> bytes;
    };

    std::string imagePath;   // empty: a fresh radio
    std::vector<Poke> pokes; // applied after loading, in order
    std::string logPath;
    std::string dumpPath;
    std::string linkPath;  // a symbolic link to the device, for a name that does not change
    int baud = FollowLine; // bits per second; 0: no pacing
    FaultPlan faults;
    bool help = false;
    bool version = false;
};

} // namespace zmp::radiosim
