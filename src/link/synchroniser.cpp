#include "link/synchroniser.h"

#include "link/linkwords.h"
#include "message/messagetexts.h"

namespace zmp {

namespace {
constexpr int WakeUpTries = 3;

// The port's own reason follows on a second line (the device, and for a
// device the user may not open, how to get the right to).
std::string portInitMessage(const LinkContext& context)
{
    const std::string reason = context.port.lastError().description;
    return reason.empty() ? std::string(msg::PortInitError) : msg::PortInitError + ("\n" + reason);
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
    const bool echoed = wakeUp();
    context.status(msg::SendingLinkMode);
    link_.sender().sendWord(linkword::LinkMode);
    bool silent = false;
    if (!linkModeAccepted(silent)) return false;
    // Nothing came back at all: the radio is off or not in PC mode, and a
    // minute of re-synchronising would not change that.
    if (!echoed && silent) return noConnection(msg::NoAnswer);
    if (!link_.ports().portInitCp()) {
        context.error(portInitMessage(context));
        return false;
    }
    context.pause(SettleMs);
    if (link_.resynchronise()) return true;
    return !context.flags.CancelFlag && noConnection(link_.syncFailure());
}

// The sync failure ends with a message, never with silence. Always false.
bool Synchroniser::noConnection(const std::string& seen) const
{
    link_.context().failure(msg::NoConnection, seen, msg::CheckRadio);
    return false;
}

bool Synchroniser::wakeUp() const
{
    for (int attempt = 0; attempt < WakeUpTries; ++attempt) {
        link_.sender().sendByte(linkword::WakeUp);
        const ResultCode echo = link_.reader().waitByte(linkword::WakeUp, EchoSeconds);
        if (echo == ResultCode::Success) {
            link_.sender().sendByte(linkword::WakeUpFollow);
            return true;
        }
        if (echo == ResultCode::Cancelled) return false;
    }
    link_.context().status(msg::SyncFailed);
    return false;
}

bool Synchroniser::linkModeAccepted(bool& silent) const
{
    const LinkContext& context = link_.context();
    const ReadResult reply = link_.reader().readReplyLine(LinkModeSeconds);
    switch (reply.code) {
    case ResultCode::Success:
        if (reply.text == linkword::LinkModeOk) return true;
        context.error(reply.text == linkword::Refusal ? msg::LinkModeError : msg::GeneralError);
        return false;
    case ResultCode::Timeout:
        silent = true;
        return true;
    case ResultCode::Unexpected:
        context.error(msg::GeneralError);
        return true;
    default:
        return false;
    }
}

} // namespace zmp
