#pragma once

namespace zmp {

// The process-wide flags, held in one object that is handed to the
// operations, so each test can start from a fresh set. A transfer with the
// radio keeps flags of its own (TransferFlags) and takes the switches and
// the retries from here when it starts.
struct ProcessFlags {
    bool ErrorFlag = false;
    bool CancelFlag = false;
    int RetryCount = 3;
    bool modified = false;  // an edit not yet saved
    bool filling = false;   // controls are being filled; edit handlers ignore their events
    bool DebugMode = false; // switch "/D"
    bool SlowLink = false;  // switch "/E"
};

} // namespace zmp
