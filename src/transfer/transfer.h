#pragma once

#include <memory>
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
//     Transfer transfer(OperationType::Program, port, host, state, options);
//     transfer.keepBackupsIn(store, place);
//     transfer.run();                  // the OK button
//     if (auto message = transfer.closingMessage()) show(*message);
//     transfer.backupProblem();        // "PATH: reason" when no backup could be kept
//     transfer.takeRead(document);     // a read
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
    bool cancel() { return copy_ ? copy_->cancel() : operation_.cancel(); }
    bool busy() const { return flags_.BusyFlag; }
    // The dialog closes: the port is released.
    void release() { operation_.release(); }
    // Whether a program reads back what it wrote.
    void setVerify(bool verify);
    // Whether a program first reads the radio and keeps what it held in the
    // backups ("radio-copy"); a copy that cannot be read ends the transfer
    // before anything is written.
    void setCopyRadioFirst(bool copy) { copyRadioFirst_ = copy; }

    OperationType type() const { return type_; }
    TransferOutcome outcome() const { return outcome_; }
    bool completed() const;
    // The operation was run at least once: the radio may have been read or written.
    bool started() const { return outcome_ != TransferOutcome::NotStarted; }
    const TransferFlags& flags() const { return flags_; }

    // What to tell after run() beyond the link's own messages: "Cancelled.",
    // and that the radio may be partly written once a write went out.
    std::optional<Message> closingMessage() const;

    // From here on the backups the transfer calls for go into store: a
    // program's entry (the image about to be written) before its first
    // write, "unfinished" until its outcome is written at the end, so a
    // program cut short still leaves its record; a completed read at the
    // end. The store must outlive the runs.
    void keepBackupsIn(BackupStore& store, BackupPlace place);
    // The backup the last run kept, if any.
    const std::optional<BackupEntry>& backup() const { return backup_; }
    // The copy of the radio the last run kept before programming, if any.
    const std::optional<BackupEntry>& radioCopy() const { return radioCopy_; }
    // Why a backup could not be kept ("PATH: reason"); the first problem only.
    const std::string& backupProblem() const { return backupProblem_; }
    // A completed read replaces the document's configuration (the state's
    // records and image already hold it); true when it did.
    bool takeRead(ConfigurationDocument& document) const;

  private:
    static LinkOptions withBackupHook(LinkOptions options, Transfer& transfer);
    bool copyRadio();
    void keepBackup(const char* outcome);
    std::optional<BackupEntry> keepIn(const DocumentState& state, const char* operation, const char* outcome);
    void recordOutcome();

    OperationType type_;
    SerialPort& port_;
    LinkHost& host_;
    LinkOptions options_;
    DocumentState& state_;
    TransferFlags flags_;
    TransferOperation operation_;
    bool verify_;
    bool copyRadioFirst_ = false;
    std::unique_ptr<TransferOperation> copy_; // the read of the radio's copy, while it runs
    std::optional<BackupEntry> radioCopy_;
    TransferOutcome outcome_ = TransferOutcome::NotStarted;
    BackupStore* store_ = nullptr;
    BackupPlace place_;
    std::optional<BackupEntry> backup_;
    std::string backupProblem_;
};

} // namespace zmp
