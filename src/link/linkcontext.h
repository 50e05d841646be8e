#pragma once

#include <string>

#include "model/processflags.h"
#include "link/linkhost.h"
#include "link/serialport.h"

namespace zmp {

// Settings of one transfer that do not live in ProcessFlags.
struct LinkOptions {
    int portNumber = 1;     // the serial-port menu's choice
    std::string programDir; // folder of "err.log" (written in debug mode only)
};

// What every part of the link shares during one operation: the port, the
// host, the process flags, the options and the dialog caption.
struct LinkContext {
    SerialPort& port;
    LinkHost& host;
    ProcessFlags& flags;
    LinkOptions options;
    std::string caption;

    void status(const std::string& text) const;
    void progress(int percent) const;
    void pause(int ms) const;
    LinkAnswer message(const std::string& text, const std::string& title, LinkIcon icon = LinkIcon::Error,
                       LinkButtons buttons = LinkButtons::Ok,
                       LinkAnswer defaultAnswer = LinkAnswer::Ok) const;
    // An error message titled with the dialog caption.
    void error(const std::string& text) const;
    void logError(const std::string& source, int number, const std::string& description) const;
};

// Progress of a in 0..last as a whole percent.
int percentOf(long a, long last);

} // namespace zmp
