#pragma once

#include <vector>

#include "link/operationtype.h"
#include "link/transferflags.h"
#include "model/memoryimage.h"
#include "model/models.h"
#include "model/records.h"
#include "support/recordinghost.h"

namespace zmp::test {

// What the radio is asked to get wrong, the same way on every rig.
struct RadioFaults {
    int refusedByte = -1;    // every write request covering this address is answered "ERROR"
    int misstoredByte = -1;  // a write covering it is acknowledged and its complement stored
    int busyStatusCount = 0; // the first N status requests find the radio busy
};

// One request the radio received.
struct SeenRequest {
    enum class Kind { Status, Read, Write };
    Kind kind;
    int address = -1;
    int length = 0;
};

// One transfer from the OK button to the end, against a radio: what the
// link contract cases run on. Each rig is a port and a radio of its own
// (a scripted port with a radio in memory, or the serial-port adapter and
// zmp-radio-sim over a pseudo-terminal); the cases hold for every rig.
class ContractRig {
  public:
    explicit ContractRig(HostClock& clock, RecordingHost::Unscripted unscripted) : host(clock, unscripted) {}
    virtual ~ContractRig() = default;
    ContractRig(const ContractRig&) = delete;
    ContractRig& operator=(const ContractRig&) = delete;

    // Runs the operation as the OK button does, then ends the radio so that
    // what it holds and received can be read. Returns run()'s result.
    virtual bool run(OperationType type, int model = ModelMr4400) = 0;
    // The Cancel button, for use from host.onEvents while run() runs.
    virtual void cancel() = 0;
    // Whether the port was still open when run() returned.
    virtual bool portOpenAfterRun() const = 0;
    virtual const MemoryImage& radioMemory() const = 0;
    virtual std::vector<SeenRequest> requests() const = 0; // status, reads and writes, in order
    virtual int cancelsReceived() const = 0;               // CAN bytes

    std::vector<SeenRequest> requestsOf(SeenRequest::Kind kind) const;

    RecordingHost host;
    TransferFlags flags;
    MemoryImage image;
    Records records;
};

} // namespace zmp::test
