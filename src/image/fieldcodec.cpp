#include "image/fieldcodec.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace zmp {

namespace {

constexpr std::uint8_t Blank = 0xFF;
constexpr int DigitCount = 2 * DigitStringBytes;
constexpr int FrequencyScale = 10000; // four decimals: 0.1 kHz
constexpr long long FrequencyLimit = 100LL * FrequencyScale;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isBlankText(const std::string& text)
{
    return text.find_first_not_of(' ') == std::string::npos;
}

int digitNibble(const std::string& padded, int index)
{
    const char c = padded[static_cast<std::size_t>(index)];
    return isDigit(c) ? c - '0' : 0xF;
}

// The frequency text is the bytes as hexadecimal digits with a point after
// the first byte; it is read as a decimal number up to the first character
// that is neither a decimal digit nor the point.
std::string frequencyText(const MemoryImage& image, int address)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string text;
    for (int i = 0; i < FrequencyBytes; ++i) {
        const std::uint8_t b = image[address + i];
        text += hex[b >> 4];
        text += hex[b & 0xF];
        if (i == 0) text += '.';
    }
    return text;
}

} // namespace

bool decodeFlagByte(const MemoryImage& image, int address)
{
    return image[address] != 0;
}

void encodeFlagByte(MemoryImage& image, int address, bool value)
{
    image[address] = value ? 1 : 0;
}

int decodeByte(const MemoryImage& image, int address)
{
    return image[address];
}

void encodeByte(MemoryImage& image, int address, int value)
{
    image[address] = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

bool decodeBitFlag(const MemoryImage& image, int address, int bit)
{
    return (image[address] >> bit) & 1;
}

void encodeBitFlag(MemoryImage& image, int address, int bit, bool value)
{
    encodeBitField(image, address, bit, bit, value ? 1 : 0);
}

int decodeBitField(const MemoryImage& image, int address, int high, int low)
{
    const int mask = (1 << (high - low + 1)) - 1;
    return (image[address] >> low) & mask;
}

void encodeBitField(MemoryImage& image, int address, int high, int low, int value)
{
    const int mask = ((1 << (high - low + 1)) - 1) << low;
    const int kept = image[address] & ~mask;
    image[address] = static_cast<std::uint8_t>(kept | ((value << low) & mask));
}

std::vector<bool> decodeFlagBitmap(const MemoryImage& image, int address, int byteCount, int entryCount)
{
    const int count = std::min(8 * byteCount, entryCount);
    std::vector<bool> flags(static_cast<std::size_t>(std::max(count, 0)));
    for (int k = 0; k < count; ++k)
        flags[static_cast<std::size_t>(k)] = decodeBitmapEntry(image, address, k);
    return flags;
}

void encodeFlagBitmap(MemoryImage& image, int address, int byteCount, const std::vector<bool>& flags)
{
    for (int b = 0; b < byteCount; ++b) {
        std::uint8_t value = 0;
        for (int bit = 0; bit < 8; ++bit) {
            const std::size_t k = static_cast<std::size_t>(b) * 8 + static_cast<std::size_t>(bit);
            if (k < flags.size() && flags[k]) value |= static_cast<std::uint8_t>(0x80 >> bit);
        }
        image[address + b] = value;
    }
}

bool decodeBitmapEntry(const MemoryImage& image, int address, int entry)
{
    return (image[address + entry / 8] >> (7 - entry % 8)) & 1;
}

bool isTextCharacter(char c)
{
    return isDigit(c) || isLetter(c) || c == ' ' ||
           std::string_view("-+().*/,").find(c) != std::string_view::npos;
}

bool isDisplayCharacter(char c)
{
    return isDigit(c) || isLetter(c) || c == ' ';
}

std::string decodeText(const MemoryImage& image, int address, int length)
{
    std::string text;
    for (int i = 0; i < length; ++i) {
        const char c = static_cast<char>(image[address + i]);
        if (!isTextCharacter(c)) break;
        text += c;
    }
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

void encodeText(MemoryImage& image, int address, int length, const std::string& text)
{
    for (int i = 0; i < length; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const bool present = k < text.size() && isTextCharacter(text[k]);
        image[address + i] = present ? static_cast<std::uint8_t>(text[k]) : Blank;
    }
}

std::string decodeDigits(const MemoryImage& image, int address)
{
    std::string digits;
    for (int i = 0; i < DigitCount; ++i) {
        const std::uint8_t b = image[address + i / 2];
        const int nibble = i % 2 == 0 ? b >> 4 : b & 0xF;
        if (nibble > 9) break;
        digits += static_cast<char>('0' + nibble);
    }
    return digits;
}

void encodeDigits(MemoryImage& image, int address, const std::string& text, DigitForm form)
{
    if (isBlankText(text)) {
        for (int i = 0; i < DigitStringBytes; ++i)
            image[address + i] = Blank;
        return;
    }
    std::string padded = text.substr(0, DigitCount);
    padded.resize(DigitCount, ' ');
    for (int k = 0; k < DigitStringBytes; ++k)
        image[address + k] =
            static_cast<std::uint8_t>(digitNibble(padded, 2 * k) << 4 | digitNibble(padded, 2 * k + 1));
    if (form == DigitForm::Mmsi) image[address + DigitStringBytes - 1] &= 0xF0;
}

double decodeFrequency(const MemoryImage& image, int address)
{
    const std::string text = frequencyText(image, address);
    long long mantissa = 0;
    long long scale = 1;
    bool afterPoint = false;
    for (char c : text) {
        if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else if (isDigit(c)) {
            mantissa = mantissa * 10 + (c - '0');
            if (afterPoint) scale *= 10;
        } else {
            break;
        }
    }
    // Adding 100 MHz in whole units of the last digit keeps 157.425 exact to the double.
    const double megahertz = static_cast<double>(mantissa + 100 * scale) / static_cast<double>(scale);
    return megahertz > 100.0 && megahertz < 200.0 ? megahertz : 0.0;
}

void encodeFrequency(MemoryImage& image, int address, double megahertz)
{
    const long long ticks = std::isfinite(megahertz) && megahertz > 100.0
                                ? std::llround((megahertz - 100.0) * FrequencyScale)
                                : -1;
    // Three BCD bytes hold up to 99.9999; anything else is no frequency.
    if (ticks < 0 || ticks >= FrequencyLimit) {
        for (int i = 0; i < FrequencyBytes; ++i)
            image[address + i] = Blank;
        return;
    }
    long long rest = ticks;
    for (int i = FrequencyBytes - 1; i >= 0; --i) {
        const int low = static_cast<int>(rest % 10);
        const int high = static_cast<int>(rest / 10 % 10);
        image[address + i] = static_cast<std::uint8_t>(high << 4 | low);
        rest /= 100;
    }
}

int decodeWord(const MemoryImage& image, int address)
{
    return image[address] * 256 + image[address + 1];
}

void encodeWord(MemoryImage& image, int address, int value)
{
    const int word = value < 0 || value > 0xFFFF ? 0xFFFF : value;
    image[address] = static_cast<std::uint8_t>(word / 256);
    image[address + 1] = static_cast<std::uint8_t>(word % 256);
}

int decodeHalfHourOffset(std::uint8_t code)
{
    const int magnitude = code & 0x1F;
    return (code & 0x20) != 0 ? magnitude : -magnitude;
}

std::uint8_t encodeHalfHourOffset(int offset)
{
    const int clamped = std::clamp(offset, -MaxHalfHourOffset, MaxHalfHourOffset);
    return static_cast<std::uint8_t>(clamped >= 0 ? clamped + 32 : -clamped);
}

int decodeAutoPosChannel(const MemoryImage& image, int address)
{
    return (image[address] & 0x7F) * 256 + image[address + 1];
}

void encodeAutoPosChannel(MemoryImage& image, int address, int value)
{
    image[address] = static_cast<std::uint8_t>((value & 0x7F00) / 256);
    image[address + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

} // namespace zmp
