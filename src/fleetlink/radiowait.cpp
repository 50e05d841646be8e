#include "fleetlink/radiowait.h"

#include <chrono>
#include <exception>
#include <thread>

#include "fleetlink/radiopresence.h"

namespace zmp {

std::string PromptedWait::request(const FleetJob& job)
{
    return "Connect radio " + std::to_string(job.number) + " of " + std::to_string(job.total) + " (" +
           job.radio.label + ", " + job.radio.userMmsi + ") and press Enter";
}

bool PromptedWait::await(SerialPort&, int, const FleetJob& job, bool, std::string& reason)
{
    if (ask_(request(job)) && !job.cancelRequested) return true;
    reason = "no radio connected (the input ended)";
    return false;
}

namespace {

// Probes until the line answers as wanted; false with the reason when the
// fleet is cancelled, or the port fails while a port that fails may not
// count as silence (before the first radio: a device that is not there).
bool probeUntil(SerialPort& port, int portNumber, const FleetJob& job, RadioPresence::Answer wanted,
                bool failureIsSilence, std::string& reason)
{
    while (!job.cancelRequested) {
        RadioPresence::Answer answer = RadioPresence::Answer::PortFailed;
        try {
            answer = RadioPresence::probe(port, portNumber);
        } catch (const std::exception& error) {
            reason = error.what();
            return false;
        }
        // An adapter in the radio's cable goes with the radio.
        if (answer == RadioPresence::Answer::PortFailed && failureIsSilence)
            answer = RadioPresence::Answer::Silent;
        if (answer == RadioPresence::Answer::PortFailed) {
            reason = RadioPresence::portProblem(port);
            return false;
        }
        if (answer == wanted) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(ProbedWait::PauseMs));
    }
    reason = "cancelled";
    return false;
}

} // namespace

bool ProbedWait::await(SerialPort& port, int portNumber, const FleetJob& job, bool afterRadio,
                       std::string& reason)
{
    if (afterRadio && !probeUntil(port, portNumber, job, RadioPresence::Answer::Silent, true, reason))
        return false;
    return probeUntil(port, portNumber, job, RadioPresence::Answer::Radio, afterRadio, reason);
}

} // namespace zmp
