#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zmp {

// The text form of the protocol: frames the computer sends, checksums,
// and the hexadecimal fields of the radio's replies.
class LinkFrame {
  public:
    // Command word, TAB, then each non-empty field followed by TAB, the XOR
    // checksum as two upper-case digits, CR LF.
    static std::string build(const std::string& word, const std::string& address, const std::string& length,
                             const std::string& data);
    static std::string xorChecksum(const std::string& text); // two upper-case digits
    // A reply (word plus the line after it) whose last two characters are
    // the XOR of all before them, in either letter case.
    static bool replyChecksumOk(const std::string& text);

    static std::string address(int address);      // 4 digits
    static std::string length(int length);        // 2 digits
    static std::string hexDigits(unsigned value); // upper case, no leading zeros
    // "0x" and at least digits upper-case digits, as messages show values.
    static std::string shown(unsigned value, int digits);
    // Hexadecimal text of either letter case; nothing for empty or bad text.
    static std::optional<unsigned> parseHex(const std::string& text);
    // A reply line cut at every TAB; field 0 is the text before the first TAB.
    static std::vector<std::string> fields(const std::string& line);
};

} // namespace zmp
