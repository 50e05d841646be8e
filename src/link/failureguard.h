#pragma once

#include <functional>

#include "link/portcontrol.h"

namespace zmp {

// The handler every transfer procedure has for unexpected failures (a
// device that vanished, an internal error): log entry naming the
// procedure, a message with the error number and description, the port
// closed, and the flags set so that nothing reads the outcome as success.
class FailureGuard {
  public:
    FailureGuard(const LinkContext& context, const PortControl& ports) : context_(context), ports_(ports) {}

    void run(const char* source, const std::function<void()>& body) const;

    static constexpr int InternalErrorNumber = 1; // anything that is not a LinkError

  private:
    void fail(const char* source, int number, const std::string& description) const;

    const LinkContext& context_;
    const PortControl& ports_;
};

} // namespace zmp
