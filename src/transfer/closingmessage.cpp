#include "transfer/closingmessage.h"

#include <string>

#include "message/messagetexts.h"

namespace zmp {

namespace {

std::string recovery(OperationType type)
{
    return type == OperationType::Program ? msg::ProgramAgain : msg::ClearAgain;
}

} // namespace

std::optional<Message> closingMessage(TransferOutcome outcome, OperationType type, bool writeSent)
{
    const std::string caption = operationCaption(type);
    if (outcome == TransferOutcome::Cancelled) {
        Message message{caption, msg::TransferCancelled, MessageIcon::Information};
        if (writeSent) {
            message.icon = MessageIcon::Warning;
            message.detail = std::string(msg::PartlyWritten) + " " + recovery(type);
        }
        return message;
    }
    if (outcome != TransferOutcome::Failed || !writeSent) return std::nullopt;
    return Message{caption,           msg::PartlyWritten, MessageIcon::Warning, MessageButtons::Ok,
                   MessageAnswer::Ok, recovery(type)};
}

} // namespace zmp
