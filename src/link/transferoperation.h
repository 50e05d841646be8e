#pragma once

#include "link/cancelholdinghost.h"
#include "link/linkcontext.h"
#include "link/linkhost.h"
#include "link/operationtype.h"
#include "link/serialport.h"
#include "link/transferflags.h"
#include "model/memoryimage.h"
#include "model/records.h"

namespace zmp {

// The logic of the transfer dialog: one object per dialog (or per zmp-cli
// command), driving every radio operation over a port and a host.
//
//     TransferFlags flags;                       // DebugMode, SlowLink, RetryCount as started
//     TransferOperation transfer(port, host, flags, image, records, model, {portNumber, programDir});
//     bool close = transfer.run(OperationType::Read);   // the OK button
//     // flags.CompletedFlag: "Complete!!" was shown (a read has decoded the image into the records)
//     // flags.CancelFlag: cancelled; flags.ErrorFlag: the last exchange failed
//
// run() synchronises with the radio, then reads, prepares and programs, or
// clears, as the type says; every message goes through host.showMessage.
// While it runs, host.processEvents() is called on every pass of every
// wait: a Cancel button (or Ctrl+C) handled there calls cancel(), which
// only sets CancelFlag, and the operation winds down within a few
// milliseconds (a read then sends CAN). A failed or cancelled read leaves
// image and records untouched; a failed or cancelled clear restores the
// image; a program changes the image by the preparation even when it fails.
class TransferOperation {
  public:
    TransferOperation(SerialPort& port, LinkHost& host, TransferFlags& flags, MemoryImage& image,
                      Records& records, int model, LinkOptions options);

    // The OK button. True when the dialog should close: the operation ran
    // and left ErrorFlag clear without being cancelled. False when
    // synchronisation failed, the last exchange failed or the user pressed
    // Cancel, whenever in the operation that was, so the user can try again. An unknown type, or
    // a call while an operation runs, does nothing and returns false.
    bool run(OperationType type);

    // The Cancel button: while busy it asks the running operation to stop
    // and returns false; otherwise it returns true (close the dialog).
    bool cancel();
    // The close box: refused (false) while an operation runs.
    bool mayClose() const { return !flags_.BusyFlag; }
    // The dialog closes: the port is released.
    void release();
    // Whether a program reads back what it wrote (the dialog's check box).
    void setVerify(bool verify) { options_.verify = verify; }

  private:
    bool runSynchronised(OperationType type);
    void dispatch(const LinkContext& context, OperationType type);

    SerialPort& port_;
    CancelHoldingHost host_;
    TransferFlags& flags_;
    MemoryImage& image_;
    Records& records_;
    int model_;
    LinkOptions options_;
};

} // namespace zmp
