#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "backup/backupstore.h"
#include "model/memoryimage.h"
#include "model/records.h"

namespace zmp {

// What a radio of the fleet was programmed with, for its backup.
struct FleetBackup {
    const MemoryImage& image;
    const Records& records;
    std::string label;
    std::string device;
    std::string outcome; // "complete", "complete, not verified", "failed" or "cancelled"
};

// The backups of a fleet run, kept by the stations' threads one at a time
// (the store's index is read and written whole).
class FleetBackups {
  public:
    // folder empty: no backups are kept.
    FleetBackups(const std::string& folder, int model, bool hasAtis, std::string destination);

    // The name of the backup kept; empty, with the reason in problem, when
    // it could not be kept (or empty, problem empty, when none are kept).
    std::string keep(const FleetBackup& backup, std::string& problem);

  private:
    std::unique_ptr<BackupStore> store_;
    int model_;
    bool hasAtis_;
    std::string destination_;
    std::mutex mutex_;
};

} // namespace zmp
