#include "link/operationsteps.h"

#include "link/linkmessages.h"
#include "link/statuscheck.h"

namespace zmp {

bool OperationSteps::start() const
{
    const bool ready = StatusCheck(link_).run();
    if (ready && !context_.flags.CancelFlag) return true;
    // A check the user cancelled found nothing about the radio.
    if (!ready && !context_.flags.CancelFlag) context_.error(linktext::RadioNotReady);
    return false;
}

void OperationSteps::complete() const
{
    context_.flags.CompletedFlag = true;
    context_.status("");
    context_.message(linktext::Complete, context_.caption, LinkIcon::Information);
}

} // namespace zmp
