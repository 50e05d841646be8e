#include "link/statuscheck.h"

#include "link/linkframe.h"
#include "link/linkwords.h"
#include "message/messagetexts.h"

namespace zmp {

namespace {
constexpr int StatusLineLength = 8; // TAB state TAB checksum CR LF
}

bool StatusCheck::run() const
{
    const LinkContext& context = link_.context();
    for (;;) {
        context.status(msg::StatusChecking);
        const std::optional<std::string> state = queryState();
        const bool ready = state == linkword::StateReady;
        if (state == linkword::StateBusy && retryWhenBusy()) continue;
        context.status(ready ? msg::StatusOk : msg::StatusNg);
        return ready;
    }
}

std::optional<std::string> StatusCheck::queryState() const
{
    const bool acknowledged = link_.command(
        [&] { link_.sender().sendFrame(linkword::StatusRequest, linkword::StatusAddress, "", ""); }, false);
    std::string line;
    if (!acknowledged ||
        !link_.readReply({linkword::StatusReply, linkword::NotStatus, true, StatusLineLength}, line)) {
        return std::nullopt;
    }
    link_.sender().sendWord(linkword::Ack);
    const std::vector<std::string> fields = LinkFrame::fields(line);
    return fields.size() > 1 ? fields[1] : std::string();
}

// Cancel to the busy radio's question is the user's cancel, not a radio
// found not ready.
bool StatusCheck::retryWhenBusy() const
{
    const LinkContext& context = link_.context();
    const bool retry =
        context.message(msg::RadioBusy, context.caption, MessageIcon::Warning, MessageButtons::RetryCancel,
                        MessageAnswer::Cancel) == MessageAnswer::Retry;
    if (!retry) context.flags.CancelFlag = true;
    return retry;
}

} // namespace zmp
