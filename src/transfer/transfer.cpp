#include "transfer/transfer.h"

#include <utility>

#include "backup/transferbackup.h"
#include "transfer/closingmessage.h"
#include "transfer/quietcompletionhost.h"

namespace zmp {

Transfer::Transfer(OperationType type, SerialPort& port, LinkHost& host, DocumentState& state,
                   LinkOptions options)
    : type_(type), port_(port), host_(host), options_(options), state_(state),
      flags_(TransferFlags::startingFrom(state.flags)),
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
    radioCopy_.reset();
    if (type_ == OperationType::Program && copyRadioFirst_ && !copyRadio()) {
        outcome_ = transferOutcome(flags_, OperationType::Read, true);
        return false;
    }
    const bool close = operation_.run(type_);
    outcome_ = transferOutcome(flags_, type_, verify_);
    recordOutcome();
    return close;
}

// The radio is read into a configuration of its own, which is kept; the
// read's "Complete!!" is not the transfer's, so it is not shown.
bool Transfer::copyRadio()
{
    auto copy = std::make_unique<DocumentState>(state_);
    QuietCompletionHost quiet(host_);
    LinkOptions options = options_;
    options.beforeWriting = {};
    copy_ = std::make_unique<TransferOperation>(port_, quiet, flags_, copy->image, copy->records, copy->model,
                                                options);
    copy_->run(OperationType::Read);
    copy_.reset();
    if (transferOutcome(flags_, OperationType::Read, true) != TransferOutcome::Complete) return false;
    flags_.CompletedFlag = false;
    radioCopy_ = keepIn(*copy, backupoperation::RadioCopy, backupoutcome::Complete);
    return true;
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

// A radio that may be partly written can be given back what it held.
std::optional<Message> Transfer::closingMessage() const
{
    auto message = zmp::closingMessage(outcome_, type_, flags_.WriteSent);
    if (message && radioCopy_ && !message->detail.empty())
        message->detail += " What it held before is kept in the backups as " + radioCopy_->name + ".";
    return message;
}

void Transfer::keepBackupsIn(BackupStore& store, BackupPlace place)
{
    store_ = &store;
    place_ = std::move(place);
}

void Transfer::keepBackup(const char* outcome)
{
    backup_ = keepIn(
        state_, type_ == OperationType::Read ? backupoperation::Read : backupoperation::Programmed, outcome);
}

// Once a backup could not be kept, no other is tried: the reason is told once.
std::optional<BackupEntry> Transfer::keepIn(const DocumentState& state, const char* operation,
                                            const char* outcome)
{
    if (!store_ || !backupProblem_.empty()) return std::nullopt;
    const TransferBackup backup{operation,     state.image,        state.records, state.model,
                                state.hasAtis, place_.destination, place_.port};
    return backup.keep(*store_, outcome, &backupProblem_);
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
