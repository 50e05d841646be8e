#pragma once

#include <string>

#include "link/serialport.h"

namespace zmp {

// Whether a radio answers on a port: one wake-up byte at the slow speed,
// and only the radio's lone echo within a second counts (a device that
// streams text does not pass). Nothing more is sent; the port is closed
// again.
class RadioPresence {
  public:
    enum class Answer { Radio, Silent, PortFailed };

    static Answer probe(SerialPort& port, int portNumber);
    // Why the port would not open, for the user.
    static std::string portProblem(const SerialPort& port);

    static constexpr int EchoMs = 1000;
    // How long the line must stay quiet after the echo.
    static constexpr int QuietMs = 100;
};

} // namespace zmp
