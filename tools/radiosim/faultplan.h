#pragma once

#include <string>

#include "radiosim/indexset.h"

namespace zmp::radiosim {

// The misbehaviour the emulated radio is asked to show. Frames (status,
// read and write requests) and data replies are counted from 1 in the
// order they occur, retries included.
struct FaultPlan {
    IndexSet silentFrames;       // no answer at all
    IndexSet refusedFrames;      // answered "ERROR"
    IndexSet badChecksumReplies; // data reply with a wrong checksum
    IndexSet badAddressReplies;  // data reply naming another address
    IndexSet badLengthReplies;   // data reply naming another length
    int busyStatusCount = 0;     // the first N status requests find the radio busy
    int silentWakeUps = 0;       // the first N "P" bytes get no echo
    bool refuseLinkMode = false; // "ACMD:002" answered "ERROR"
    int hangUpAfterFrames = 0;   // 0: never; else the line drops after answering frame N
    int refusedByte = -1;        // every write request covering this address is answered "ERROR"
    int misstoredByte = -1;      // a write covering this address is acknowledged, another byte stored
    int replyDelayMs = 0;        // before every answer
    int dataDelayMs = 0;         // between an acknowledgement and its data or status reply
    bool silent = false;         // switched off, or not in PC mode: nothing is ever answered
    int silentAfterFrames = 0;   // 0: never; else nothing is answered after frame N
    std::string syncReply;       // empty: "#CMDOK" CR LF; else the whole reply to "#CMDSY"
    std::string linkModeReply;   // empty: "OK" CR LF; else this line, CR LF added, to "ACMD:002"
    int modelCode = -1;          // -1: the model's own; else the code the radio reports
};

} // namespace zmp::radiosim
