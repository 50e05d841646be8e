#pragma once

#include <optional>
#include <string>

#include "model/records.h"

namespace zmp {

// Rules of the settings pages' text fields and captions, kept apart from
// the widgets so that they can be checked without a window.

// Status names: digits, letters, "-", "+", "(", ")", ".", "*", "/" and the
// space. Backspace is never filtered.
bool isStatusNameKey(char32_t c);
// The status name stored for the typed text: empty when the text is blank,
// otherwise its first 4 characters (a longer name is cut, never refused).
std::string acceptedStatusName(const std::string& text);

// A caption followed by "[" + status name + "]" when the group has a name:
// "Group2[HARB]".
std::string withStatusName(const std::string& caption, const UsableGroup& group);

// The User MMSI stored for the typed text, or nothing when it is refused.
// The trimmed text must be empty (stored empty) or exactly 9 digits, which
// are stored followed by the tenth digit "0" the radio's MMSI form holds.
std::optional<std::string> acceptedUserMmsi(const std::string& text);
// What the User MMSI field shows: the nine digits the user types, never
// the tenth place of a stored ten-digit MMSI.
std::string userMmsiFieldText(const std::string& stored);

// The ATIS code stored for the typed text, or nothing when it is refused:
// the trimmed text must be empty or exactly 10 digits, stored as typed.
std::optional<std::string> acceptedAtisCode(const std::string& text);

} // namespace zmp
