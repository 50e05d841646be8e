#include "link/operationsteps.h"

#include "link/linkmessages.h"
#include "link/statuscheck.h"

namespace zmp {

bool OperationSteps::start() const
{
    context_.flags.BusyFlag = true;
    context_.host.setBusy(true);
    const bool ready = StatusCheck(link_).run();
    if (ready && !context_.flags.CancelFlag) return true;
    // A check the user cancelled found nothing about the radio.
    if (!ready && !context_.flags.CancelFlag) context_.error(linktext::RadioNotReady);
    end();
    return false;
}

void OperationSteps::end() const
{
    context_.host.setBusy(false);
    context_.flags.BusyFlag = false;
}

void OperationSteps::complete() const
{
    context_.flags.CompletedFlag = true;
    context_.status("");
    context_.message(linktext::Complete, context_.caption, LinkIcon::Information);
}

} // namespace zmp
