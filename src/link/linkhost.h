#pragma once

#include <cstdint>
#include <string>

#include "link/transferphase.h"
#include "message/message.h"

namespace zmp {

// What the link needs of whoever runs it: the transfer dialog, zmp-cli, or
// a test. Everything runs on the caller's thread.
class LinkHost {
  public:
    virtual ~LinkHost() = default;

    virtual MessageAnswer showMessage(const Message& message) = 0;
    // Status line (the dialog shows it in debug mode only); the link itself
    // adds the 500 ms pause of debug mode.
    virtual void showStatus(const std::string& text) = 0;
    virtual void showProgress(int percent) = 0; // 0..100
    // What the transfer does now, shown without the debug switch.
    virtual void showPhase(const TransferPhase&) {}
    // An operation starts (true) or ends (false): busy pointer, OK and Help disabled.
    virtual void setBusy(bool busy) = 0;
    // Called on every pass of every wait; the Cancel button is served here.
    virtual void processEvents() = 0;
    // A pause of the protocol; it may serve events (Cancel) meanwhile.
    virtual void sleep(int ms) = 0;
    virtual std::int64_t nowMs() = 0; // monotonic clock for deadlines
};

} // namespace zmp
