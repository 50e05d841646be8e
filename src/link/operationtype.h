#pragma once

#include <string>

namespace zmp {

// What the transfer dialog is opened for; the numbers are fixed.
enum class OperationType {
    Read = 0,
    Program = 1,
    ClearMmsi = 2,
    ClearDscLog = 3,
    ClearDistressLog = 4,
    ClearIndividual = 5,
    ClearGroup = 6,
    ClearWayPoint = 7,
    ClearDscTxLog = 8,
    ClearAll = 9,
    ClearAtis = 10,
};

inline bool isKnownOperation(OperationType type)
{
    return static_cast<int>(type) >= 0 && static_cast<int>(type) <= 10;
}

inline bool isClearOperation(OperationType type)
{
    return static_cast<int>(type) >= 2 && static_cast<int>(type) <= 10;
}

// The dialog caption, which also titles most of the link's messages.
inline std::string operationCaption(OperationType type)
{
    static const char* const captions[] = {
        "Read from Radio",       "Program to Radio",         "Clear MMSI Data",
        "Clear DSC Log Data",    "Clear Distress Log Data",  "Clear Individual Directory",
        "Clear Group Directory", "Clear WayPoint Directory", "Clear DSC TX Log Data",
        "Clear All Data",        "Clear ATIS Data",
    };
    return isKnownOperation(type) ? captions[static_cast<int>(type)] : "";
}

// The operation of "Clear" button index (0..6) of the DSC page; any other
// index clears everything.
inline OperationType clearButtonOperation(int index)
{
    static const OperationType types[] = {
        OperationType::ClearIndividual,  OperationType::ClearGroup,    OperationType::ClearWayPoint,
        OperationType::ClearDistressLog, OperationType::ClearDscTxLog, OperationType::ClearDscLog,
    };
    return index >= 0 && index <= 5 ? types[index] : OperationType::ClearAll;
}

} // namespace zmp
