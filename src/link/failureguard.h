#pragma once

#include <functional>
#include <string>

#include "link/portcontrol.h"
#include "link/portlosterror.h"

namespace zmp {

// The handler every transfer procedure has for failures beneath it. A
// device that went away is a communication failure: "Communication Error!!"
// under the procedure's title with a line naming the device, ErrorFlag
// set, the details in the error log. Anything else unexpected gets a log
// entry naming the procedure, a message with the error number and
// description, and both flags set so that nothing reads the outcome as
// success. Either way the port is closed.
class FailureGuard {
  public:
    FailureGuard(const LinkContext& context, const PortControl& ports) : context_(context), ports_(ports) {}

    // A lost device is reported under the dialog caption.
    void run(const char* source, const std::function<void()>& body) const;
    void run(const char* source, const std::string& failureTitle, const std::function<void()>& body) const;

    static constexpr int InternalErrorNumber = 1; // anything that is not a LinkError

  private:
    void fail(const char* source, int number, const std::string& description) const;
    void lose(const char* source, const PortLostError& error, const std::string& failureTitle) const;

    const LinkContext& context_;
    const PortControl& ports_;
};

} // namespace zmp
