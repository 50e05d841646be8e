#pragma once

#include "link/radiolink.h"

namespace zmp {

// The frame every operation shares: busy while it runs, the readiness
// check first, "Complete!!" when it succeeded.
class OperationSteps {
  public:
    explicit OperationSteps(const RadioLink& link) : link_(link), context_(link.context()) {}

    // Marks the operation busy and checks that the radio is ready; when it
    // is not, says so, ends the operation and returns false. A Cancel
    // served during the check ends the operation quietly.
    bool start() const;
    void end() const;
    // CompletedFlag, the status line cleared, "Complete!!".
    void complete() const;
    bool failed() const { return context_.flags.ErrorFlag || context_.flags.CancelFlag; }

  private:
    const RadioLink& link_;
    const LinkContext& context_;
};

} // namespace zmp
