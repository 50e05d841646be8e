#pragma once

#include <cstdint>

#include "model/records.h"

// The per-channel control bits of the USA, INT and CAN tables, and the
// two-bit transmit mode they share with the expansion channels.
namespace zmp {

// 0 transmit off, 1 on at low power, 3 on at high power; 2 reads as off.
int transmitMode(const ChannelRecord& record);
void applyTransmitMode(int mode, ChannelRecord& record);

// Bits 7..6 transmit mode, 5 Duplex, 4 PowUp, 3..1 Scramble; bit 0 is not
// the system's and is kept by the encode.
void decodeControlByte(std::uint8_t control, ChannelRecord& record);
std::uint8_t encodeControlByte(std::uint8_t previous, const ChannelRecord& record);

} // namespace zmp
