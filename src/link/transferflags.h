#pragma once

#include "model/processflags.h"

namespace zmp {

// The flags of one transfer. Each transfer has its own set, so that
// transfers on several ports may run at once; the process switches (debug
// mode, the slow line, the retries) are copied in when it starts.
struct TransferFlags {
    bool ErrorFlag = false;
    bool CancelFlag = false;
    bool BusyFlag = false;
    bool CompletedFlag = false;
    bool WriteSent = false; // a write request went out: the radio may have changed
    int RetryCount = 3;
    bool DebugMode = false;
    bool SlowLink = false;

    static TransferFlags startingFrom(const ProcessFlags& process)
    {
        TransferFlags flags;
        flags.RetryCount = process.RetryCount;
        flags.DebugMode = process.DebugMode;
        flags.SlowLink = process.SlowLink;
        return flags;
    }
};

} // namespace zmp
