#pragma once

#include <string>
#include <vector>

namespace zmp::radiosim {

// One unit of what the computer sends: a single control byte or a line.
struct HostMessage {
    enum class Kind {
        WakeUp,       // "P"
        WakeUpFollow, // "0", sent after the echo
        Cancel,       // CAN
        Line,         // a frame or a word; text without CR LF
    };
    Kind kind = Kind::Line;
    std::string text; // the line, or the single byte
    std::string raw;  // the bytes as received, for the traffic log
    // The line speeds (bits/s) its bytes came in at, each change once, in
    // order: more than one means a byte was sent while the line changed.
    std::vector<int> lineRates = {};
};

} // namespace zmp::radiosim
