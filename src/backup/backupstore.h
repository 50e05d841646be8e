#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "backup/backupentry.h"
#include "backup/backuptime.h"
#include "model/memoryimage.h"

namespace zmp {

// The folder of automatic backups: every image read from a radio or
// programmed into one, kept as the raw image (NAME.hex) and as a
// configuration file (NAME.dat), listed in a small index. NAME is the UTC
// date and time, the model, the user MMSI, the operation and, for a radio
// of a fleet, its label. Keeping a backup prunes those older than a year,
// but the newest KeepAtLeast stay whatever their age.
class BackupStore {
  public:
    using Clock = std::function<BackupTime::TimePoint()>;
    static constexpr std::size_t KeepAtLeast = 50;
    static constexpr std::chrono::hours MaxAge{24 * 365};
    static constexpr const char* IndexName = "index.txt";

    explicit BackupStore(std::filesystem::path folder, Clock clock = std::chrono::system_clock::now);

    // Writes both files and adds the entry, its time and name filled in.
    // Nothing when the folder or a file cannot be written (reason says
    // why); then no file of this backup is left behind.
    std::optional<BackupEntry> keep(BackupEntry entry, const MemoryImage& image,
                                    const std::string& configText, std::string* reason = nullptr);
    // Writes the outcome into the entry named entry.name, kept before its
    // transfer ended. False when the index cannot be read or written, or no
    // longer lists it (reason says why).
    bool setOutcome(const BackupEntry& entry, const std::string& outcome, std::string* reason = nullptr);
    // Oldest first. When the index exists but cannot be read, problem
    // (when given) receives its path and the reason.
    std::vector<BackupEntry> entries(std::string* problem = nullptr) const;

    std::filesystem::path imagePath(const BackupEntry& entry) const
    {
        return folder_ / (entry.name + ".hex");
    }
    std::filesystem::path configPath(const BackupEntry& entry) const
    {
        return folder_ / (entry.name + ".dat");
    }
    const std::filesystem::path& folder() const { return folder_; }

  private:
    std::string freeName(const BackupEntry& entry, BackupTime::TimePoint time) const;
    static std::vector<BackupEntry> prune(std::vector<BackupEntry>& entries, BackupTime::TimePoint now);
    void removeFiles(const BackupEntry& entry) const;

    std::filesystem::path folder_;
    Clock clock_;
};

} // namespace zmp
