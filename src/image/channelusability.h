#pragma once

#include "model/memoryimage.h"

// Whether the radio can switch to a channel, judged from the image alone
// (the records may hold edits the image has not caught up with).
namespace zmp {

inline constexpr int ExpChannelBase = 240; // channel words 240..303 name EXP channels 0..63
inline constexpr int NoChannel = 0xFFFF;

bool isGroupEnabled(const MemoryImage& image, int group);

// Plan row 0..239 of Group1..Group3, or expansion channel 240 + k.
bool isChannelUsable(const MemoryImage& image, int group, int channel);

bool isWeatherChannelUsable(const MemoryImage& image, int channel);

} // namespace zmp
