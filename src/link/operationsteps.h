#pragma once

#include "link/radiolink.h"

namespace zmp {

// The frame every operation shares: the readiness check first,
// "Complete!!" when it succeeded. The operation holds a LinkBusyScope meanwhile.
class OperationSteps {
  public:
    explicit OperationSteps(const RadioLink& link) : link_(link), context_(link.context()) {}

    // Checks that the radio is ready; when it is not, says so and returns
    // false. A Cancel served during the check ends the operation quietly.
    bool start() const;
    // CompletedFlag, the status line cleared, "Complete!!" or another closing text.
    void complete(const char* text) const;
    bool failed() const { return context_.flags.ErrorFlag || context_.flags.CancelFlag; }

  private:
    const RadioLink& link_;
    const LinkContext& context_;
};

} // namespace zmp
