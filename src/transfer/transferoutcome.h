#pragma once

#include "link/operationtype.h"
#include "link/transferflags.h"

namespace zmp {

// How a transfer ended. A program without the read-back is complete but
// not verified, and says so wherever its outcome is shown or kept.
enum class TransferOutcome { NotStarted, Complete, CompleteNotVerified, Failed, Cancelled };

// The outcome the flags of a finished run tell.
TransferOutcome transferOutcome(const TransferFlags& flags, OperationType type, bool verify);
// The outcome's word in the backups index.
const char* backupOutcomeWord(TransferOutcome outcome);

} // namespace zmp
