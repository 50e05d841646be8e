#pragma once

#include <string>
#include <vector>

#include "backup/backupentry.h"

namespace zmp {

// The text form of the backup index: one tab-separated line per backup,
// oldest first. Lines that do not have every field, or whose name is not
// a plain file stem, are skipped, so a damaged index loses only its
// damaged lines.
class BackupIndex {
  public:
    static std::vector<BackupEntry> parse(const std::string& text);
    static std::string compose(const std::vector<BackupEntry>& entries);
};

} // namespace zmp
