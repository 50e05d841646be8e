#include "fleetlink/radiopresence.h"

#include "link/linkwords.h"
#include "link/timescale.h"

namespace zmp {

RadioPresence::Answer RadioPresence::probe(SerialPort& port, int portNumber)
{
    if (port.isOpen()) port.close();
    port.setPortNumber(portNumber);
    port.setSettings(linkword::SlowSettings);
    if (!port.open()) return Answer::PortFailed;
    port.flush();
    port.write({static_cast<std::uint8_t>(linkword::WakeUp)});
    port.waitForInput(scaledMs(EchoMs), 1);
    bool echoed = port.readByte() == linkword::WakeUp;
    if (echoed) {
        port.waitForInput(QuietMs, 1);
        echoed = port.waitingCount() == 0;
    }
    port.close();
    return echoed ? Answer::Radio : Answer::Silent;
}

std::string RadioPresence::portProblem(const SerialPort& port)
{
    const std::string reason = port.lastError().description;
    return reason.empty() ? "the port cannot be opened" : reason;
}

} // namespace zmp
