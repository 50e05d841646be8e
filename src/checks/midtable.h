#pragma once

#include <map>
#include <string>
#include <string_view>

namespace zmp {

// The Maritime Identification Digits and the administration each belongs
// to, as the ITU allocates them.
class MidTable {
  public:
    // The table compiled into the program, parsed once.
    static const MidTable& allocated();
    // Lines of "MID<tab>name"; blank lines, lines starting with "#" and
    // lines that are not three digits and a name are skipped.
    static MidTable parse(std::string_view text);

    // The administration of a three-digit MID, or null when the MID is not
    // allocated (or is not three digits).
    const std::string* country(std::string_view mid) const;
    std::size_t size() const { return countries_.size(); }

  private:
    static std::string_view allocationText();
    std::map<std::string, std::string, std::less<>> countries_;
};

} // namespace zmp
