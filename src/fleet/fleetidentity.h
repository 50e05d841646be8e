#pragma once

#include <optional>
#include <string>

namespace zmp {

// A radio is never given a second identity by mistake: one that already
// holds a different, non-empty User MMSI is skipped, unless the user asks
// to program it again. heldMmsi is what the radio holds (nine digits, or
// the radio's ten-digit form); the reason when the radio must be skipped.
std::optional<std::string> identitySkipReason(const std::string& heldMmsi, const std::string& rowMmsi,
                                              bool again);

} // namespace zmp
