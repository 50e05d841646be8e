#include "link/synchroniser.h"

#include "link/linkmessages.h"

namespace zmp {

namespace {
constexpr int WakeUpTries = 3;

// The port's own reason follows on a second line (the device, and for a
// device the user may not open, how to get the right to).
std::string portInitMessage(const LinkContext& context)
{
    const std::string reason = context.port.lastError().description;
    return reason.empty() ? std::string(linktext::PortInitError) : linktext::PortInitError + ("\n" + reason);
}
} // namespace

bool Synchroniser::run() const
{
    const LinkContext& context = link_.context();
    context.flags.CancelFlag = false;
    // A port that cannot even be opened would leave every later step
    // talking to nothing; stop here with the same report as a failed reopen.
    if (!link_.ports().portInit()) {
        context.error(portInitMessage(context));
        return false;
    }
    wakeUp();
    context.status(linktext::SendingLinkMode);
    link_.sender().sendWord(linktext::LinkMode);
    if (!linkModeAccepted()) return false;
    if (!link_.ports().portInitCp()) {
        context.error(portInitMessage(context));
        return false;
    }
    context.pause(SettleMs);
    return link_.resynchronise();
}

void Synchroniser::wakeUp() const
{
    for (int attempt = 0; attempt < WakeUpTries; ++attempt) {
        link_.sender().sendByte(linktext::WakeUp);
        const ResultCode echo = link_.reader().waitByte(linktext::WakeUp, EchoSeconds);
        if (echo == ResultCode::Success) {
            link_.sender().sendByte(linktext::WakeUpFollow);
            return;
        }
        if (echo == ResultCode::Cancelled) return;
    }
    link_.context().status(linktext::SyncFailed);
}

bool Synchroniser::linkModeAccepted() const
{
    const LinkContext& context = link_.context();
    const ReadResult reply = link_.reader().readReplyLine(LinkModeSeconds);
    switch (reply.code) {
    case ResultCode::Success:
        if (reply.text == linktext::LinkModeOk) return true;
        context.error(reply.text == linktext::Refusal ? linktext::LinkModeError : linktext::GeneralError);
        return false;
    case ResultCode::Timeout:
        return true;
    case ResultCode::Unexpected:
        context.error(linktext::GeneralError);
        return true;
    default:
        return false;
    }
}

} // namespace zmp
