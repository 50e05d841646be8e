#pragma once

#include <string>

#include "model/records.h"

namespace zmp {

// Priority channel numbers 240 and above stand for expansion channels (240 is EXP channel 1).
inline constexpr int ExpPriorityBase = PlanRowCount;
inline constexpr int PriorityLimit = 280; // numbers from here on show "Off"
// Auto POS channel values from 4097 name expansion channels (4096 + channel number 1..64).
inline constexpr int AutoPosExpBase = 4096;

// Label of a priority channel number: "Off" when negative, the plan row's Label for 0..239,
// "EXP" + (number - 239) for 240..279 ("EXP1" for 240), "Off" from 280 on.
std::string priorityChannelLabel(int channel);

// Label of the Auto POS channel value: the plan Label when it is the Position of an enabled USA
// record; CHDisplayL + CHDisplayR of enabled EXP channel j for 4096 + j; empty otherwise.
std::string autoPosChannelLabel(int value, const ChannelTable& usa, const ChannelTable& exp);

} // namespace zmp
