#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "fleet/fleetlist.h"
#include "fleet/fleetoutcome.h"
#include "fleet/fleetradio.h"
#include "model/memoryimage.h"
#include "model/records.h"

namespace zmp {

// One radio for a station to program.
struct FleetJob {
    std::size_t row = 0; // index into the list
    int number = 0;      // 1-based place in the list: "radio 3 of 12"
    int total = 0;
    const FleetRow& radio;    // label and User MMSI, for prompts and backups
    const Records& records;   // the radio's configuration, not yet prepared
    const MemoryImage& image; // the base image the records are encoded into
    int model = 0;
    // Set when the fleet is cancelled: a wait ends, a transfer cancels cleanly.
    const std::atomic<bool>& cancelRequested;
    // Tells the fleet the phase and its percentage; may be called from the
    // station's thread at any time during programRadio.
    std::function<void(FleetPhase phase, int percent)> report;
};

// How a station's work on one radio ended.
struct FleetResult {
    // Complete, CompleteNotVerified, Failed, Cancelled or Skipped.
    FleetOutcome outcome = FleetOutcome::Failed;
    std::string reason;     // why it failed, was cancelled or skipped; with the recovery advice
    std::string backupName; // the backup kept of what was programmed; empty when none
};

// A port of the fleet: programs one radio after another on its device.
// Each station runs on a thread of its own; a station is used by one
// thread only, so it needs no lock of its own.
class FleetStation {
  public:
    // Given the User MMSI the radio holds (its nine digits, empty when
    // none), why the radio must not be programmed; nothing when it may be.
    using IdentityCheck = std::function<std::optional<std::string>(const std::string& heldMmsi)>;

    virtual ~FleetStation() = default;

    virtual std::string device() const = 0;
    // Until the radio of the job is connected and answers (asking the
    // user, or probing until a radio answers). False, with the reason,
    // when none will come (cancelled, the device is gone): the station
    // then gets no further job and the row goes to another station.
    virtual bool awaitRadio(const FleetJob& job, std::string& reason) = 0;
    // Reads the User MMSI the radio holds and asks mayProgram; when it
    // gives a reason, ends with Skipped and that reason without writing
    // anything. Otherwise prepares the job's configuration, programs and
    // verifies it, keeps its backup, and ends with the outcome.
    virtual FleetResult programRadio(const FleetJob& job, const IdentityCheck& mayProgram) = 0;
};

} // namespace zmp
