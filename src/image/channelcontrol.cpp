#include "image/channelcontrol.h"

namespace zmp {

namespace {
constexpr int ModeOff = 0;
constexpr int ModeLowPower = 1;
constexpr int ModeHighPower = 3;
constexpr int ScrambleMask = 0x07;
} // namespace

int transmitMode(const ChannelRecord& record)
{
    if (!record.TxEnable) return ModeOff;
    return record.LowPower ? ModeLowPower : ModeHighPower;
}

void applyTransmitMode(int mode, ChannelRecord& record)
{
    record.TxEnable = mode == ModeLowPower || mode == ModeHighPower;
    record.LowPower = mode == ModeLowPower;
}

void decodeControlByte(std::uint8_t control, ChannelRecord& record)
{
    applyTransmitMode(control >> 6, record);
    record.Duplex = (control >> 5) & 1;
    record.PowUp = (control >> 4) & 1;
    record.Scramble = static_cast<std::int16_t>((control >> 1) & ScrambleMask);
}

std::uint8_t encodeControlByte(std::uint8_t previous, const ChannelRecord& record)
{
    const bool duplex = record.Duplex && record.DuplexCapable;
    const int bits = transmitMode(record) << 6 | (duplex ? 1 : 0) << 5 | (record.PowUp ? 1 : 0) << 4 |
                     (record.Scramble & ScrambleMask) << 1;
    return static_cast<std::uint8_t>(bits | (previous & 0x01));
}

} // namespace zmp
