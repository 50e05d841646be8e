#pragma once

#include <string>
#include <vector>

namespace zmp {

// The CTCSS tone list offered by the channel editor: 51 entries, "Off" then "67.0Hz" .. "254.1Hz".
const std::vector<std::string>& ctcssTones();

// The DCS code list offered by the channel editor: 105 entries, "Off" then the octal codes "023" .. "754".
const std::vector<std::string>& dcsCodes();

} // namespace zmp
