#pragma once

#include <array>

#include "model/records.h"

// The texts of the settings pages: status-bar hints and the captions of
// their data-error messages.
namespace zmp::uimsg {

inline constexpr const char* StatusNameHint = "max 4 charactors.";
inline constexpr const char* AtisCodeHint = "Numeric Only. Indispensable 10 figures.";
inline constexpr const char* MmsiClearHint = "A Click Inicializes the number of User MMSI setting permission";
inline constexpr const char* AtisClearHint = "A Click Inicializes the number of Atis setting permission";
inline constexpr const char* LogClearHint = "A Click Inicializes the log";

// The captions of the four usable groups' check boxes.
inline constexpr std::array<const char*, UsableGroupCount> GroupCaptions{"Group1", "Group2", "Group3",
                                                                          "EXP CH Group"};

inline constexpr const char* UserMmsiTitle = "User MMSI";
inline constexpr const char* AtisCodeTitle = "ATISNo";

} // namespace zmp::uimsg
