#pragma once

#include <optional>
#include <string>

namespace zmp {

// Lengths and fixed channels of the editor's fields.
inline constexpr int ChannelNameLength = 16;   // channel and weather names
inline constexpr int DirectoryNameLength = 11; // Memory ID and Group ID names
inline constexpr int Channel70Position = 140;  // channel 70: no scan memory, no scrambler

// Key filters of the editor's text fields: true when the typed character
// may enter the field. Backspace and the cursor keys are never filtered.

// Channel and directory names: digits, letters, "-", "/", "*", "(", ")",
// "+", ".", "," and the space, the characters the radio's names can hold.
bool isNameKey(char32_t c);
// Expansion channel display characters: digits, letters and the space.
bool isDisplayKey(char32_t c);
// Characters a seven-segment channel number display can show.
bool isSevenSegmentKey(char32_t c);
// MMSI fields: digits only.
bool isDigitKey(char32_t c);
// Frequency fields: digits and the decimal point.
bool isFrequencyKey(char32_t c);

// The number at the start of the text (digits with at most one point), 0
// when the text does not start with one: "156.025" gives 156.025, "15x"
// gives 15, "---" gives 0.
double leadingNumber(const std::string& text);

// The frequency an expansion channel field may store: 0 for an empty text,
// else the leading number when it lies in 137..174 MHz on a 25 kHz step;
// nothing when the text is refused.
std::optional<double> acceptedExpFrequency(const std::string& text);

// The MMSI a directory entry stores for the typed text, or nothing when the
// text is refused. The trimmed text must be empty (which stores empty) or
// exactly 9 digits, 8 for a Group ID. A group MMSI always begins with the
// fixed "0" shown before the field, so the stored MMSI is "0" followed by
// the eight typed digits: the image and the file hold the whole MMSI.
std::optional<std::string> acceptedDirectoryMmsi(const std::string& text, bool groupId);

// What the MMSI field of a directory entry shows for a stored MMSI: its
// nine digits for a Memory ID, the eight after the fixed "0" for a Group
// ID; never the tenth place of an MMSI read from a radio.
std::string directoryMmsiFieldText(const std::string& mmsid, bool groupId);

// Text without leading and trailing spaces.
std::string trimSpaces(const std::string& text);

} // namespace zmp
