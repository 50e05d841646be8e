#include "link/linkbusyscope.h"

namespace zmp {

LinkBusyScope::LinkBusyScope(const LinkContext& context)
    : context_(context), outermost_(!context.flags.BusyFlag)
{
    if (!outermost_) return;
    context_.flags.BusyFlag = true;
    context_.host.setBusy(true);
}

LinkBusyScope::~LinkBusyScope()
{
    if (!outermost_) return;
    context_.host.setBusy(false);
    context_.flags.BusyFlag = false;
}

} // namespace zmp
