#include "transfer/transferoutcome.h"

#include "backup/backupentry.h"

namespace zmp {

TransferOutcome transferOutcome(const TransferFlags& flags, OperationType type, bool verify)
{
    if (flags.CancelFlag) return TransferOutcome::Cancelled;
    if (!flags.CompletedFlag || flags.ErrorFlag) return TransferOutcome::Failed;
    if (type == OperationType::Program && !verify) return TransferOutcome::CompleteNotVerified;
    return TransferOutcome::Complete;
}

const char* backupOutcomeWord(TransferOutcome outcome)
{
    switch (outcome) {
    case TransferOutcome::Complete:
        return backupoutcome::Complete;
    case TransferOutcome::CompleteNotVerified:
        return backupoutcome::CompleteNotVerified;
    case TransferOutcome::Cancelled:
        return backupoutcome::Cancelled;
    case TransferOutcome::Failed:
        return backupoutcome::Failed;
    case TransferOutcome::NotStarted:
        break;
    }
    return backupoutcome::Unfinished;
}

} // namespace zmp
