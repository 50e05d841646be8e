#pragma once

#include <string>

namespace zmp {

// What a transfer is doing now, as the user sees it without the debug
// switch: the phase in words ("Reading…"), and while data moves the
// percentage and the seconds left at the line's speed (-1: not known).
struct TransferPhase {
    std::string text;
    int percent = -1;
    int secondsLeft = -1;

    bool operator==(const TransferPhase&) const = default;
};

// One line: "Reading… 42%, about 8 s left".
std::string phaseLine(const TransferPhase& phase);

// "Waiting for the radio on /dev/ttyUSB0… attempt 2 of 3".
std::string waitingPhase(const std::string& device, int attempt, int attempts);

// Characters a phase puts on the line, both ways, and how long they take.
namespace wire {
long readChars(int blocks); // 64-byte blocks read, each acknowledged
long writeChars();          // everything "Program to Radio" writes, its pauses counted as line time
int seconds(long chars, bool slowLink);
} // namespace wire

} // namespace zmp
