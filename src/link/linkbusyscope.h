#pragma once

#include "link/linkcontext.h"

namespace zmp {

// BusyFlag and the host's busy state (pointer, OK and Help) for as long as
// the scope lives, however it is left: a return, or a port failure thrown
// through it. Nested scopes leave the state to the outermost one, so the
// host sees exactly one start and one end.
class LinkBusyScope {
  public:
    explicit LinkBusyScope(const LinkContext& context);
    ~LinkBusyScope();
    LinkBusyScope(const LinkBusyScope&) = delete;
    LinkBusyScope& operator=(const LinkBusyScope&) = delete;

  private:
    const LinkContext& context_;
    bool outermost_;
};

} // namespace zmp
