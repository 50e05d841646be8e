#pragma once

#include <string>

#include "codec/channelplan.h"
#include "model/records.h"

namespace zmp {

// A plan or weather frequency in MHz as "000.000" (156.8 gives "156.800"); "---.---" for 0 or less.
std::string planFrequencyText(double mhz);

// The receive column of a USA, INT or CAN list: the row's DuplexRxFrequency when the channel is
// Duplex, its RxFrequency otherwise.
std::string planRxFrequencyText(const ChannelPlanEntry& row, const ChannelRecord& channel);

// The transmit column of a USA, INT or CAN list: the row's TxFrequency, "---.---" when the
// channel is ReceiveOnly.
std::string planTxFrequencyText(const ChannelPlanEntry& row, const ChannelRecord& channel);

// The frequency on the radio's channel grid: kept when it lies on a 5 kHz or 12.5 kHz step,
// otherwise cut down to the 5 kHz step below it. Callers store the result back in the record.
double snapToChannelGrid(double mhz);
// Every expansion channel frequency snapped to the channel grid: what the
// lists and the editor show is then what the records hold, and so what the
// file and the radio get.
void snapExpFrequencies(ChannelTable& exp);

// An expansion channel frequency, snapped to the channel grid, as "000.0000" (157.425 gives
// "157.4250"); "---.----" for 0 or less.
std::string expFrequencyText(double mhz);

// True when the frequency lies on a 25 kHz step (156.025 does, 156.0125 does not).
bool isOn25kHzStep(double mhz);

} // namespace zmp
