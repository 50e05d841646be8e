#include "image/expchannelcodec.h"

#include "image/channelcontrol.h"
#include "image/fieldcodec.h"
#include "image/imagemap.h"

namespace zmp {

namespace {

constexpr int DisplayOffset = 2;
constexpr int RxOffset = 5;
constexpr int TxOffset = 8;
constexpr int ScrambleMask = 0x1F;
constexpr std::uint8_t NoCharacter = 0xFF;
constexpr std::uint8_t GroupBits = 0xE0;

std::string displayCharacter(std::uint8_t byte)
{
    const char c = static_cast<char>(byte);
    return isDisplayCharacter(c) ? std::string(1, c) : std::string();
}

bool isOneCharacter(const std::string& text)
{
    return text.size() == 1 && text != " ";
}

} // namespace

ExpDisplay decodeExpDisplay(std::uint8_t first, std::uint8_t second, std::uint8_t suffix)
{
    const std::string a = displayCharacter(first);
    const std::string b = displayCharacter(second);
    if (!isOneCharacter(a) && !isOneCharacter(b)) return {};
    return {a + b, displayCharacter(suffix)};
}

std::array<std::uint8_t, 3> encodeExpDisplay(const std::string& left, const std::string& right)
{
    if (left.size() != 2) return {NoCharacter, NoCharacter, NoCharacter};
    const bool suffix = !right.empty() && isTextCharacter(right[0]);
    return {static_cast<std::uint8_t>(left[0]), static_cast<std::uint8_t>(left[1]),
            suffix ? static_cast<std::uint8_t>(right[0]) : NoCharacter};
}

void decodeExpRecord(const MemoryImage& image, int address, ChannelRecord& record)
{
    applyTransmitMode(decodeBitField(image, address, 3, 2), record);
    record.PowUp = decodeBitFlag(image, address, 1);
    record.Scramble = static_cast<std::int16_t>(decodeBitField(image, address + 1, 6, 2));
    const int d = address + DisplayOffset;
    const ExpDisplay display = decodeExpDisplay(image[d], image[d + 1], image[d + 2]);
    record.CHDisplayL = display.left;
    record.CHDisplayR = display.right;
    record.Rxfreq = decodeFrequency(image, address + RxOffset);
    record.Txfreq = decodeFrequency(image, address + TxOffset);
}

void encodeExpRecord(MemoryImage& image, int address, const ChannelRecord& record)
{
    // Bits 4 and 0 are always written as 0; bits 7..5 belong to the group flags.
    const int bits = transmitMode(record) << 2 | (record.PowUp ? 1 : 0) << 1;
    image[address] = static_cast<std::uint8_t>((image[address] & GroupBits) | bits);
    encodeBitField(image, address + 1, 6, 2, record.Scramble & ScrambleMask);
    const auto display = encodeExpDisplay(record.CHDisplayL, record.CHDisplayR);
    for (int i = 0; i < 3; ++i)
        image[address + DisplayOffset + i] = display[static_cast<std::size_t>(i)];
    encodeFrequency(image, address + RxOffset, record.Rxfreq);
    encodeFrequency(image, address + TxOffset, record.Txfreq);
}

std::array<bool, 3> decodeExpGroupFlags(const MemoryImage& image)
{
    return {decodeBitFlag(image, address::ExpRecords, 7), decodeBitFlag(image, address::ExpRecords, 6),
            decodeBitFlag(image, address::ExpRecords, 5)};
}

void encodeExpGroupFlags(MemoryImage& image, const std::array<bool, 3>& flags)
{
    const int v = (flags[0] ? 128 : 0) + (flags[1] ? 64 : 0) + (flags[2] ? 32 : 0);
    for (int i = 0; i < ExpChannelCount; ++i) {
        const int a = address::ExpRecords + address::ExpRecordStride * i;
        image[a] = static_cast<std::uint8_t>(v | (image[a] & ~GroupBits & 0xFF));
    }
}

} // namespace zmp
