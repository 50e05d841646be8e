#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace zmp {

// The backups' clock texts, always UTC so that they sort and compare the
// same wherever the files are moved: "2026-12-08T06:26:10Z" in the index
// and "20261208-062610" in file names.
class BackupTime {
  public:
    using TimePoint = std::chrono::system_clock::time_point;

    static std::string indexText(TimePoint time);
    static std::string fileText(TimePoint time);
    // Nothing for a text that is not an index time.
    static std::optional<TimePoint> parse(const std::string& text);
};

} // namespace zmp
