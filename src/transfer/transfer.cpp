#include "transfer/transfer.h"

#include <utility>

#include "backup/transferbackup.h"

namespace zmp {

Transfer::Transfer(OperationType type, SerialPort& port, LinkHost& host, DocumentState& state,
                   LinkOptions options)
    : type_(type), state_(state), flags_(TransferFlags::startingFrom(state.flags)),
      operation_(port, host, flags_, state.image, state.records, state.model, options),
      verify_(options.verify)
{
}

bool Transfer::run()
{
    if (flags_.BusyFlag) return false;
    flags_.CompletedFlag = false;
    const bool close = operation_.run(type_);
    outcome_ = transferOutcome(flags_, type_, verify_);
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

std::optional<BackupEntry> Transfer::keepBackup(BackupStore& store, const BackupPlace& place,
                                                std::string& problem) const
{
    problem.clear();
    const bool read = type_ == OperationType::Read;
    const bool wanted = read ? completed() : type_ == OperationType::Program && started();
    if (!wanted) return std::nullopt;
    const TransferBackup backup{read ? backupoperation::Read : backupoperation::Programmed,
                                state_.image,
                                state_.records,
                                state_.model,
                                state_.hasAtis,
                                place.destination,
                                place.port};
    return backup.keep(store, backupOutcomeWord(outcome_), &problem);
}

bool Transfer::takeRead(ConfigurationDocument& document) const
{
    if (type_ != OperationType::Read || !completed()) return false;
    document.takeRead();
    return true;
}

} // namespace zmp
