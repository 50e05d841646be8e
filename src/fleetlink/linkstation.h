#pragma once

#include <functional>
#include <memory>
#include <string>

#include "fleet/fleetstation.h"
#include "fleetlink/fleetbackups.h"
#include "fleetlink/radiowait.h"
#include "fleetlink/stationhost.h"
#include "link/linkcontext.h"
#include "link/serialport.h"
#include "link/transferflags.h"
#include "model/processflags.h"

namespace zmp {

// What every transfer of a station starts from.
struct StationSettings {
    LinkOptions link;      // the program folder and whether a program is verified
    ProcessFlags switches; // the retries, debug mode and the slow line, as the program started
};

// A port of the fleet on the radio link. Each radio's transfers have flags
// of their own, so stations on several ports run side by side. The port is
// made on the station's thread, the first time it is needed.
class LinkStation : public FleetStation {
  public:
    using PortFactory = std::function<std::unique_ptr<SerialPort>()>;

    LinkStation(std::string device, PortFactory makePort, RadioWait& wait, FleetBackups& backups,
                StationSettings settings);

    std::string device() const override { return device_; }
    bool awaitRadio(const FleetJob& job, std::string& reason) override;
    FleetResult programRadio(const FleetJob& job, const IdentityCheck& mayProgram) override;

  private:
    SerialPort& port();
    TransferFlags freshFlags() const;
    FleetResult program(const FleetJob& job);
    FleetResult unread(const FleetJob& job, const StationHost& host) const;

    std::string device_;
    PortFactory makePort_;
    std::unique_ptr<SerialPort> port_;
    RadioWait& wait_;
    FleetBackups& backups_;
    StationSettings settings_;
    bool servedRadio_ = false;
};

} // namespace zmp
