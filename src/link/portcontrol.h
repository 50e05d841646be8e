#pragma once

#include <string>

#include "link/linkcontext.h"

namespace zmp {

// Opening and closing the port at the connection and transfer speeds.
// Failures go to the error log and come back as false; no message here.
class PortControl {
  public:
    explicit PortControl(const LinkContext& context) : context_(context) {}

    bool portInit() const;   // reopen at 19200 baud, status: the settings text
    bool portInitCp() const; // reopen at the transfer speed
    bool portOpen() const;   // keep an open port as it is, else open at the transfer speed
    void close() const;
    void flush() const;

    std::string transferSettings() const;

  private:
    bool reopen(const std::string& settings, const char* source) const;
    bool openAt(const std::string& settings, const char* source) const;

    const LinkContext& context_;
};

} // namespace zmp
