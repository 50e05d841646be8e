#pragma once

#include <array>
#include <string>

#include "codec/channelplan.h"

namespace zmp {

// How the radio's two-digit channel number display shows a channel number:
// below 100 two digits ("05"), 100..109 "o" and the last digit ("o5"),
// 110 and above an apostrophe and the number minus 110 ("'7" for 117).
std::string channelNumberForm(int number);

// The two channel number boxes of a plan channel: the display form of the
// number and empty, or for an "A" channel the display form of the whole
// number before the "A" (117A: "'7") and the suffix from the "A" on.
struct ChannelNumberBoxes {
    std::string number;
    std::string suffix;
};
ChannelNumberBoxes channelNumberBoxes(const std::string& label);

// The three display boxes of an expansion channel, the first and last
// character of its CHDisplayL and the last of its CHDisplayR, and the two texts back from the boxes. An empty
// box stands for a space in CHDisplayL; two blank boxes store an empty CHDisplayL.
std::array<std::string, 3> expDisplayBoxes(const std::string& left, const std::string& right);
struct ExpDisplay {
    std::string left;
    std::string right;
};
ExpDisplay expDisplayFromBoxes(const std::array<std::string, 3>& boxes);

// The first plan row whose label equals the text; -1 when none does.
int planPositionOfLabel(const ChannelPlan& plan, const std::string& label);

} // namespace zmp
