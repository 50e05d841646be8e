#pragma once

#include <string>

#include "link/linkerror.h"

namespace zmp {

// The device beneath an open port went away: the radio was switched off,
// a USB adapter was pulled, the line was hung up. Nobody cancelled; the
// transfer failed for want of a connection.
class PortLostError : public LinkError {
  public:
    PortLostError(int number, const std::string& description, std::string device)
        : LinkError(number, description), device_(std::move(device))
    {
    }
    const std::string& device() const { return device_; }

  private:
    std::string device_;
};

} // namespace zmp
