#pragma once

namespace zmp::radiosim {

// What passed the line, for working out how long the exchange must take at least.
struct TrafficStats {
    long computerMessages = 0; // frames, words and single bytes: one send each
    long computerBytes = 0;
    long radioBytes = 0;
};

} // namespace zmp::radiosim
