#pragma once

#include <optional>
#include <string>

#include "link/radiolink.h"

namespace zmp {

// The readiness check before every operation: "#QMPSR" and the state the
// radio reports. A busy radio lets the user retry.
class StatusCheck {
  public:
    explicit StatusCheck(const RadioLink& link) : link_(link) {}

    bool run() const; // true when the radio reports itself ready

  private:
    std::optional<std::string> queryState() const;
    bool retryWhenBusy() const;

    const RadioLink& link_;
};

} // namespace zmp
