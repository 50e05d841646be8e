#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zmp {

// The value encodings of the configuration file, both ways. Numbers are
// written with "." and read with "." or "," as the decimal point, never
// through the process locale, so a file means the same on every machine.
class ConfigValue {
  public:
    static std::string flag(bool value) { return value ? "1" : "0"; }
    static std::string namedFlag(bool value) { return value ? "True" : "False"; }
    // Fifteen significant digits, no trailing zeros: 156.025, not the
    // binary neighbour 156.02499999999998.
    static std::string frequency(double megahertz);

    // "True"/"False" in any case, or a number: non-zero is true.
    static std::optional<bool> toFlag(std::string_view text);
    // A number rounded to the nearest integer, halves to the even
    // neighbour; out of range is unconvertible.
    static std::optional<std::int16_t> toInt16(std::string_view text);
    static std::optional<std::int32_t> toInt32(std::string_view text);
    static std::optional<double> toFrequency(std::string_view text);
    // The number the text begins with, rounded as above ("12 kHz" gives 12);
    // nothing when the text does not begin with one.
    static std::optional<std::int32_t> leadingInteger(std::string_view text);
};

} // namespace zmp
