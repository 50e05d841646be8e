#pragma once

#include <string>

namespace zmp {

// Where the editor and zmp-cli keep their automatic backups: "ZMP/backups"
// in the user's data folder ($XDG_DATA_HOME, by default ~/.local/share, on
// Linux; the local application data folder on Windows).
std::string backupFolder();

} // namespace zmp
