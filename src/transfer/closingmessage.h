#pragma once

#include <optional>

#include "link/operationtype.h"
#include "message/message.h"
#include "transfer/transferoutcome.h"

namespace zmp {

// What a transfer tells after the link's own messages: "Cancelled." after a
// cancel, and after a write that did not complete, that the radio may hold
// a partly written configuration and what to do about it. Nothing after a
// completed transfer or a failure before the first write.
std::optional<Message> closingMessage(TransferOutcome outcome, OperationType type, bool writeSent);

} // namespace zmp
