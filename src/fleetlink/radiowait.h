#pragma once

#include <functional>
#include <string>

#include "fleet/fleetstation.h"
#include "link/serialport.h"

namespace zmp {

// How a station learns that the next radio is connected.
class RadioWait {
  public:
    virtual ~RadioWait() = default;
    // Until the radio of the job is connected; afterRadio: the station has
    // just finished with another radio on the same port. False, with the
    // reason, when none will come.
    virtual bool await(SerialPort& port, int portNumber, const FleetJob& job, bool afterRadio,
                       std::string& reason) = 0;
};

// The user is asked: "Connect radio 3 of 12 (Sea Breeze, 366123456) and press Enter".
class PromptedWait : public RadioWait {
  public:
    // Shows the request and waits for the user; false when the user will not (end of input).
    using Ask = std::function<bool(const std::string& request)>;
    explicit PromptedWait(Ask ask) : ask_(std::move(ask)) {}

    bool await(SerialPort& port, int portNumber, const FleetJob& job, bool afterRadio,
               std::string& reason) override;

    static std::string request(const FleetJob& job);

  private:
    Ask ask_;
};

// Nobody to ask: after a radio, until it stops answering (it was taken
// off the cable), then until a radio answers.
class ProbedWait : public RadioWait {
  public:
    bool await(SerialPort& port, int portNumber, const FleetJob& job, bool afterRadio,
               std::string& reason) override;

    static constexpr int PauseMs = 250; // between two probes of a silent line
};

} // namespace zmp
