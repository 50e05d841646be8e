#include "link/statuscheck.h"

#include "link/linkframe.h"
#include "link/linkmessages.h"

namespace zmp {

namespace {
constexpr int StatusLineLength = 8; // TAB state TAB checksum CR LF
}

bool StatusCheck::run() const
{
    const LinkContext& context = link_.context();
    for (;;) {
        context.status(linktext::StatusChecking);
        const std::optional<std::string> state = queryState();
        const bool ready = state == linktext::StateReady;
        if (state == linktext::StateBusy && retryWhenBusy()) continue;
        context.status(ready ? linktext::StatusOk : linktext::StatusNg);
        return ready;
    }
}

std::optional<std::string> StatusCheck::queryState() const
{
    const bool acknowledged = link_.command(
        [&] { link_.sender().sendFrame(linktext::StatusRequest, linktext::StatusAddress, "", ""); }, false);
    std::string line;
    if (!acknowledged ||
        !link_.readReply({linktext::StatusReply, linktext::NotStatus, true, StatusLineLength}, line)) {
        return std::nullopt;
    }
    link_.sender().sendWord(linktext::Ack);
    const std::vector<std::string> fields = LinkFrame::fields(line);
    return fields.size() > 1 ? fields[1] : std::string();
}

bool StatusCheck::retryWhenBusy() const
{
    const LinkContext& context = link_.context();
    return context.message(linktext::RadioBusy, context.caption, LinkIcon::Warning, LinkButtons::RetryCancel,
                           LinkAnswer::Cancel) == LinkAnswer::Retry;
}

} // namespace zmp
