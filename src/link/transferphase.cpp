#include "link/transferphase.h"

#include "link/radiolink.h"
#include "link/writeplan.h"
#include "message/messagetexts.h"

namespace zmp {

namespace {
// 10 bits a character.
constexpr long FastCharsPerSecond = 5760;
constexpr long SlowCharsPerSecond = 1920;
// A request frame without data, and "#CMDOK" CR LF.
constexpr long RequestChars = 20;
constexpr long AckChars = 8;
constexpr long PauseMs = 50; // between the blocks a program skips
} // namespace

std::string phaseLine(const TransferPhase& phase)
{
    std::string line = phase.text;
    if (phase.percent >= 0) line += " " + std::to_string(phase.percent) + "%";
    if (phase.secondsLeft <= 0) return line;
    const int minutes = phase.secondsLeft / 60;
    const int seconds = phase.secondsLeft % 60;
    const std::string left = minutes > 0 ? std::to_string(minutes) + " min " + std::to_string(seconds) + " s"
                                         : std::to_string(seconds) + " s";
    return line + ", about " + left + " left";
}

std::string waitingPhase(const std::string& device, int attempt, int attempts)
{
    return msg::WaitingForRadio + device + msg::WaitingAttempt + std::to_string(attempt) + " of " +
           std::to_string(attempts);
}

namespace wire {

long readChars(int blocks)
{
    const long reply = 6 + RadioLink::dataLineLength(WritePlan::BlockSize);
    return blocks * (RequestChars + AckChars + reply + AckChars);
}

long writeChars()
{
    long chars = 0;
    for (const WriteStep& step : WritePlan::steps()) {
        if (step.kind == WriteStep::Kind::Pause)
            chars += PauseMs * FastCharsPerSecond / 1000;
        else if (step.kind == WriteStep::Kind::Block)
            chars += RequestChars + 2L * step.count + AckChars;
        else
            chars += step.count * (RequestChars + 2 + AckChars);
    }
    return chars;
}

int seconds(long chars, bool slowLink)
{
    const long perSecond = slowLink ? SlowCharsPerSecond : FastCharsPerSecond;
    return static_cast<int>((chars + perSecond - 1) / perSecond);
}

} // namespace wire

} // namespace zmp
