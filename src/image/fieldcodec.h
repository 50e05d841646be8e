#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/memoryimage.h"

// The byte-level encodings every field of the memory map is built from.
// Each decode reads only the bytes of its own field and each encode
// writes only those bytes (or bits), so callers can compose them freely.
namespace zmp {

// Flag byte: any non-zero byte is true; true is written as 1.
bool decodeFlagByte(const MemoryImage& image, int address);
void encodeFlagByte(MemoryImage& image, int address, bool value);

// A byte holding a small number (option index, counter). Values outside
// 0..255 are clamped so that they cannot spill into other settings.
int decodeByte(const MemoryImage& image, int address);
void encodeByte(MemoryImage& image, int address, int value);

// One bit of a byte; the other bits are kept.
bool decodeBitFlag(const MemoryImage& image, int address, int bit);
void encodeBitFlag(MemoryImage& image, int address, int bit, bool value);

// Bits high..low of a byte; encode keeps the other bits and drops the
// bits of value that do not fit.
int decodeBitField(const MemoryImage& image, int address, int high, int low);
void encodeBitField(MemoryImage& image, int address, int high, int low, int value);

// One bit per entry, the first entry of each byte in its most significant
// bit. Decode yields min(8 * byteCount, entryCount) entries; encode
// rebuilds all byteCount bytes, with 0 for bits past the last flag.
std::vector<bool> decodeFlagBitmap(const MemoryImage& image, int address, int byteCount, int entryCount);
void encodeFlagBitmap(MemoryImage& image, int address, int byteCount, const std::vector<bool>& flags);
bool decodeBitmapEntry(const MemoryImage& image, int address, int entry);

// Characters a text field may hold, and the narrower set of the
// expansion channels' display characters.
bool isTextCharacter(char c);
bool isDisplayCharacter(char c);

// Fixed-length text: decode stops at the first byte that is not a text
// character and drops trailing spaces; encode writes 0xFF for missing and
// not allowed characters and drops characters beyond length.
std::string decodeText(const MemoryImage& image, int address, int length);
void encodeText(MemoryImage& image, int address, int length, const std::string& text);

// Five BCD bytes, high nibble first, up to ten digits. The MMSI form
// forces the tenth nibble to 0; the ATIS form keeps all ten digits.
enum class DigitForm { Mmsi, Atis };
inline constexpr int DigitStringBytes = 5;
std::string decodeDigits(const MemoryImage& image, int address);
void encodeDigits(MemoryImage& image, int address, const std::string& text, DigitForm form);

// Three BCD bytes holding the frequency less 100 MHz as "dd.dddd".
// 0 stands for no frequency (three 0xFF bytes).
inline constexpr int FrequencyBytes = 3;
double decodeFrequency(const MemoryImage& image, int address);
void encodeFrequency(MemoryImage& image, int address, double megahertz);

// Big-endian 16-bit word; a value that does not fit (negative included)
// is written as 0xFFFF, the word for none.
int decodeWord(const MemoryImage& image, int address);
void encodeWord(MemoryImage& image, int address, int value);

// The signed half-hour offset held in bits 5..0 of the time byte: bits
// 4..0 the magnitude, bit 5 set for zero and positive offsets.
inline constexpr int MaxHalfHourOffset = 24;
int decodeHalfHourOffset(std::uint8_t code);
std::uint8_t encodeHalfHourOffset(int offset);

// The 15-bit Auto POS channel number over two bytes, high byte first.
int decodeAutoPosChannel(const MemoryImage& image, int address);
void encodeAutoPosChannel(MemoryImage& image, int address, int value);

} // namespace zmp
