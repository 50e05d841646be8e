#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zmp::radiosim {

// The text conventions of the radio's serial protocol: TAB-separated
// fields, an XOR checksum as two hexadecimal digits, CR LF at the end.
class LinkText {
  public:
    // XOR of every byte of the text.
    static std::uint8_t xorOf(std::string_view text);

    // word TAB field TAB ... checksum CR LF; the checksum covers everything
    // up to and including the last TAB.
    static std::string frame(std::string_view word, const std::vector<std::string>& fields);
    static std::string frame(std::string_view word, const std::vector<std::string>& fields,
                             std::uint8_t checksum);

    // A received line (CR LF removed) whose last two characters are the
    // XOR of everything before them, in either letter case.
    static bool checksumValid(std::string_view line);

    // The fields between TABs; the first is the command word, the last the checksum.
    static std::vector<std::string> split(std::string_view line);

    // Hexadecimal text of any letter case and length 1..8; false on anything else.
    static bool parseHex(std::string_view text, unsigned& value);

    // Upper-case hexadecimal, zero-padded to width.
    static std::string hex(unsigned value, int width);

    // Printable form for the traffic log: TAB, CR, LF as \t \r \n, other
    // control bytes and bytes above 0x7E as \xNN.
    static std::string escape(std::string_view bytes);
};

} // namespace zmp::radiosim
