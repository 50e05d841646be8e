#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/memoryimage.h"
#include "model/records.h"

// The 16-byte expansion channel records: transmit bits, scrambler code,
// display characters, receive and transmit frequencies. Bytes +11..+15
// are not the system's and are never written.
namespace zmp {

struct ExpDisplay {
    std::string left;  // CHDisplayL: the two characters of the channel number
    std::string right; // CHDisplayR: the suffix character
};

ExpDisplay decodeExpDisplay(std::uint8_t first, std::uint8_t second, std::uint8_t suffix);
std::array<std::uint8_t, 3> encodeExpDisplay(const std::string& left, const std::string& right);

void decodeExpRecord(const MemoryImage& image, int address, ChannelRecord& record);
void encodeExpRecord(MemoryImage& image, int address, const ChannelRecord& record);

// The Exp CH group's membership of Group1..Group3 sits in bits 7..5 of
// the first byte of every expansion record; it is read from the first
// record and written into all 64.
std::array<bool, 3> decodeExpGroupFlags(const MemoryImage& image);
void encodeExpGroupFlags(MemoryImage& image, const std::array<bool, 3>& flags);

} // namespace zmp
