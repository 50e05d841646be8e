#include "link/synchroniser.h"

#include "link/linkwords.h"
#include "message/messagetexts.h"

namespace zmp {

namespace {
constexpr int WakeUpTries = 3;

// The port's own reason is the detail: the device, and for a device the
// user may not open, how to get the right to.
void portInitFailed(const LinkContext& context)
{
    Message message{context.caption, msg::PortInitError, MessageIcon::Critical};
    const std::string reason = context.port.lastError().description;
    message.detail = reason.empty() ? context.device() + ": Cannot be opened" : reason;
    context.host.showMessage(message);
}

std::string replyTo(const std::string& reply, const char* request)
{
    return "reply \"" + reply + "\" to \"" + request + "\"";
}
} // namespace

bool Synchroniser::run() const
{
    const LinkContext& context = link_.context();
    context.flags.CancelFlag = false;
    // A port that cannot even be opened would leave every later step
    // talking to nothing; stop here with the same report as a failed reopen.
    if (!link_.ports().portInit()) {
        portInitFailed(context);
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
        portInitFailed(context);
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
    const LinkContext& context = link_.context();
    for (int attempt = 0; attempt < WakeUpTries; ++attempt) {
        context.phase(waitingPhase(context.device(), attempt + 1, WakeUpTries));
        link_.sender().sendByte(linkword::WakeUp);
        const ResultCode echo = link_.reader().waitByte(linkword::WakeUp, EchoSeconds);
        if (echo == ResultCode::Success) {
            link_.sender().sendByte(linkword::WakeUpFollow);
            return true;
        }
        if (echo == ResultCode::Cancelled) return false;
    }
    context.status(msg::SyncFailed);
    return false;
}

bool Synchroniser::linkModeAccepted(bool& silent) const
{
    const LinkContext& context = link_.context();
    const ReadResult reply = link_.reader().readReplyLine(LinkModeSeconds);
    switch (reply.code) {
    case ResultCode::Success:
        if (reply.text == linkword::LinkModeOk) return true;
        context.failure(reply.text == linkword::Refusal ? msg::LinkModeError : msg::GeneralError,
                        replyTo(reply.text, linkword::LinkMode), msg::CheckRadio);
        return false;
    case ResultCode::Timeout:
        silent = true;
        return true;
    case ResultCode::Unexpected:
        context.failure(msg::GeneralError, replyTo(reply.text, linkword::LinkMode) + " without its line end",
                        msg::CheckRadio);
        return true;
    default:
        return false;
    }
}

} // namespace zmp
