#pragma once

#include <functional>
#include <string>

#include "link/linkhost.h"
#include "link/serialport.h"
#include "link/transferflags.h"
#include "link/transferphase.h"

namespace zmp {

// Settings of one transfer that do not live in its flags.
struct LinkOptions {
    int portNumber = 1;     // the serial-port menu's choice
    std::string programDir; // folder of "err.log" (written in debug mode only)
    bool verify = true;     // read back what a program wrote and compare
    // Called once a program has passed its checks, just before its first write.
    std::function<void()> beforeWriting = {};
    std::string device = {}; // the serial device, for the reasons of failures
};

// What every part of the link shares during one operation: the port, the
// host, the transfer's flags, the options and the dialog caption.
struct LinkContext {
    SerialPort& port;
    LinkHost& host;
    TransferFlags& flags;
    LinkOptions options;
    std::string caption;

    void status(const std::string& text) const;
    // The phase the transfer enters; wireChars: what it puts on the line
    // both ways, from which progress() tells the seconds left (0: not known).
    void phase(const std::string& text, long wireChars = 0) const;
    void progress(int percent) const;
    void pause(int ms) const;
    MessageAnswer message(const std::string& text, const std::string& title,
                          MessageIcon icon = MessageIcon::Critical,
                          MessageButtons buttons = MessageButtons::Ok,
                          MessageAnswer defaultAnswer = MessageAnswer::Ok) const;
    // An error message titled with the dialog caption.
    void error(const std::string& text) const;
    // The same, with the device, what was seen and what to do under the text.
    void failure(const std::string& text, const std::string& seen, const std::string& advice) const;
    void failure(const std::string& title, const std::string& text, const std::string& seen,
                 const std::string& advice) const;
    // The device as the user knows it: its path, or the port menu's number.
    std::string device() const;
    void logError(const std::string& source, int number, const std::string& description) const;

    mutable TransferPhase shownPhase = {};
    mutable long phaseChars = 0;
};

// Progress of a in 0..last as a whole percent.
int percentOf(long a, long last);

} // namespace zmp
