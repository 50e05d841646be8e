#include "link/operationsteps.h"

#include "link/statuscheck.h"
#include "message/messagetexts.h"

namespace zmp {

bool OperationSteps::start() const
{
    const bool ready = StatusCheck(link_).run();
    if (ready && !context_.flags.CancelFlag) return true;
    // A check the user cancelled found nothing about the radio.
    if (!ready && !context_.flags.CancelFlag) context_.error(msg::RadioNotReady);
    return false;
}

void OperationSteps::complete(const char* text) const
{
    context_.flags.CompletedFlag = true;
    context_.status("");
    context_.message(text, context_.caption, MessageIcon::Information);
}

} // namespace zmp
