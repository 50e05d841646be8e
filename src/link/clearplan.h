#pragma once

#include <string>
#include <vector>

#include "link/operationtype.h"
#include "link/readoperation.h"
#include "model/memoryimage.h"

namespace zmp {

// What each clear operation erases in the image and which bytes or blocks
// it then writes to the radio.
class ClearPlan {
  public:
    static std::string statusText(OperationType type);
    // Sets the bytes of the kind to their erased values.
    static void erase(OperationType type, MemoryImage& image);
    // The bytes written one at a time, in order (MMSI and ATIS clears only).
    static std::vector<int> byteAddresses(OperationType type);
    // The range written in 64-byte blocks (DSC log to DSC TX log clears).
    static AddressRange blockRange(OperationType type);
    // The six small ranges of the DSC transmit log, written in 32-byte steps.
    static const std::vector<AddressRange>& dscTxRanges();

    static bool clearsSingleBytes(OperationType type)
    {
        return type == OperationType::ClearMmsi || type == OperationType::ClearAtis;
    }
    static bool writesDscTxRanges(OperationType type)
    {
        return type == OperationType::ClearDscTxLog || type == OperationType::ClearAll;
    }
};

} // namespace zmp
