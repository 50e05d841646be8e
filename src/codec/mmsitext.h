#pragma once

#include <string>

namespace zmp {

// The radio holds an MMSI (the user's own, a directory entry's, Auto POS)
// in ten digit places: the nine digits of the MMSI, then a place the radio
// always fills with 0. A text in the records keeps what it was given: the
// nine digits typed, or the ten read from an image.

// The stored text as it is written to the radio and to the file: a tenth
// digit is written as 0; any other text is unchanged.
std::string mmsiAsWritten(const std::string& stored);

// The tenth digit of a stored MMSI when it is not the 0 the radio writes
// (an image may hold one), else '\0'.
char strayTenthDigit(const std::string& stored);

// The digits shown for a stored MMSI: everything before its tenth place.
std::string shownMmsi(const std::string& stored);

} // namespace zmp
