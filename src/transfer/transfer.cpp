#include "transfer/transfer.h"

#include <utility>

#include "backup/transferbackup.h"
#include "transfer/closingmessage.h"

namespace zmp {

Transfer::Transfer(OperationType type, SerialPort& port, LinkHost& host, DocumentState& state,
                   LinkOptions options)
    : type_(type), state_(state), flags_(TransferFlags::startingFrom(state.flags)),
      operation_(port, host, flags_, state.image, state.records, state.model, withBackupHook(options, *this)),
      verify_(options.verify)
{
}

LinkOptions Transfer::withBackupHook(LinkOptions options, Transfer& transfer)
{
    options.beforeWriting = [&transfer] { transfer.keepBackup(backupoutcome::Unfinished); };
    return options;
}

bool Transfer::run()
{
    if (flags_.BusyFlag) return false;
    flags_.CompletedFlag = false;
    flags_.WriteSent = false;
    backup_.reset();
    const bool close = operation_.run(type_);
    outcome_ = transferOutcome(flags_, type_, verify_);
    recordOutcome();
    return close;
}

void Transfer::setVerify(bool verify)
{
    verify_ = verify;
    operation_.setVerify(verify);
}

bool Transfer::completed() const
{
    return outcome_ == TransferOutcome::Complete || outcome_ == TransferOutcome::CompleteNotVerified;
}

std::optional<Message> Transfer::closingMessage() const
{
    return zmp::closingMessage(outcome_, type_, flags_.WriteSent);
}

void Transfer::keepBackupsIn(BackupStore& store, BackupPlace place)
{
    store_ = &store;
    place_ = std::move(place);
}

void Transfer::keepBackup(const char* outcome)
{
    if (!store_ || !backupProblem_.empty()) return;
    const bool read = type_ == OperationType::Read;
    const TransferBackup backup{read ? backupoperation::Read : backupoperation::Programmed,
                                state_.image,
                                state_.records,
                                state_.model,
                                state_.hasAtis,
                                place_.destination,
                                place_.port};
    backup_ = backup.keep(*store_, outcome, &backupProblem_);
}

// A program's entry was kept before its first write; a read is kept once complete.
void Transfer::recordOutcome()
{
    if (type_ == OperationType::Read && completed()) keepBackup(backupOutcomeWord(outcome_));
    if (type_ != OperationType::Program || !backup_ || !store_) return;
    backup_->outcome = backupOutcomeWord(outcome_);
    std::string problem;
    if (!store_->setOutcome(*backup_, backup_->outcome, &problem) && backupProblem_.empty())
        backupProblem_ = problem;
}

bool Transfer::takeRead(ConfigurationDocument& document) const
{
    if (type_ != OperationType::Read || !completed()) return false;
    document.takeRead();
    return true;
}

} // namespace zmp
