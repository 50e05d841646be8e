#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zmp {

// One line of the fleet log: a radio that finished.
struct FleetLogLine {
    std::string time; // UTC, "2026-12-08T06:26:10Z"
    std::string device;
    std::string label;
    std::string mmsi;    // the row's User MMSI
    std::string outcome; // fleetOutcomeText()
    std::string backup;  // the name of the backup kept, empty when none
    std::string reason;  // why it failed or was skipped

    bool operator==(const FleetLogLine&) const = default;
};

// The log of a fleet: a CSV file (UTF-8, RFC 4180, a header row), one
// line per radio that finished, kept across runs so that a rerun knows
// which radios are done. Each line is written as its radio finishes: the
// whole file is replaced atomically, so a run killed at any moment leaves
// every line written so far and never a torn one. Not thread-safe: the
// scheduler takes its lock around it.
class FleetLog {
  public:
    static constexpr std::array<const char*, 7> Headers{"Time",    "Device", "Label", "User MMSI",
                                                        "Outcome", "Backup", "Reason"};

    // A log kept in memory only.
    FleetLog() = default;
    // The log at path with the lines it holds; none when the file does not
    // exist yet. Nothing, with the reason, when the file cannot be read or
    // is not a fleet log (so that no other file is ever written over).
    static std::optional<FleetLog> open(const std::string& path, std::string& reason);

    // The last line of the MMSI, when it says the radio was programmed.
    const FleetLogLine* doneLine(const std::string& mmsi) const;
    // Adds the line and writes the log; false with the reason when the
    // file cannot be written (the line is kept in memory all the same).
    bool add(const FleetLogLine& line, std::string& reason);
    // Writes the log as it stands (at the start of a run: the file can be written).
    bool save(std::string& reason) const;

    const std::vector<FleetLogLine>& lines() const { return lines_; }
    const std::string& path() const { return path_; }

    static std::string text(const std::vector<FleetLogLine>& lines);
    static std::optional<std::vector<FleetLogLine>> parse(std::string_view text, std::string& reason);

  private:
    std::string path_;
    std::vector<FleetLogLine> lines_;
};

} // namespace zmp
