#pragma once

#include <optional>
#include <string>

#include "backup/backupentry.h"
#include "backup/backupstore.h"
#include "document/configurationdocument.h"
#include "document/documentstate.h"
#include "link/linkhost.h"
#include "link/operationtype.h"
#include "link/serialport.h"
#include "link/transferflags.h"
#include "link/transferoperation.h"
#include "transfer/transferoutcome.h"

namespace zmp {

// Where a transfer's backup says the configuration came from and went to.
struct BackupPlace {
    std::string destination;
    std::string port;
};

// One read, program or clear of a radio, whoever started it: the editor's
// transfer dialog, a zmp-cli command or a station of a fleet. It owns the
// transfer's flags and decides its outcome, which backup it calls for and
// whether a read replaces the document's configuration; the front ends
// only call it and show what it tells.
//
//     Transfer transfer(OperationType::Read, port, host, state, options);
//     transfer.run();                  // the OK button: true when done
//     transfer.keepBackup(store, place, problem);
//     transfer.takeRead(document);
class Transfer {
  public:
    Transfer(OperationType type, SerialPort& port, LinkHost& host, DocumentState& state, LinkOptions options);

    // The OK button: runs the operation on the state's image and records.
    // True when the dialog should close: the operation ran without an error
    // or a Cancel (a radio found not ready too); otherwise the user may run
    // it again. Whether it completed is outcome()'s to tell.
    bool run();
    // The Cancel button: while busy it asks the operation to stop and
    // returns false; otherwise true (close the dialog).
    bool cancel() { return operation_.cancel(); }
    bool busy() const { return flags_.BusyFlag; }
    // The dialog closes: the port is released.
    void release() { operation_.release(); }
    // Whether a program reads back what it wrote.
    void setVerify(bool verify);

    OperationType type() const { return type_; }
    TransferOutcome outcome() const { return outcome_; }
    bool completed() const;
    // The operation was run at least once: the radio may have been read or written.
    bool started() const { return outcome_ != TransferOutcome::NotStarted; }
    const TransferFlags& flags() const { return flags_; }

    // Keeps the backup the transfer calls for: a completed read, or a
    // program that was started, whatever its outcome, since the radio may
    // hold part of it. Nothing, with problem empty, when none is called
    // for; nothing, with the reason in problem, when the store failed.
    std::optional<BackupEntry> keepBackup(BackupStore& store, const BackupPlace& place,
                                          std::string& problem) const;
    // A completed read replaces the document's configuration (the state's
    // records and image already hold it); true when it did.
    bool takeRead(ConfigurationDocument& document) const;

  private:
    OperationType type_;
    DocumentState& state_;
    TransferFlags flags_;
    TransferOperation operation_;
    bool verify_;
    TransferOutcome outcome_ = TransferOutcome::NotStarted;
};

} // namespace zmp
