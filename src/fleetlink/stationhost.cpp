#include "fleetlink/stationhost.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "message/messagetexts.h"

namespace zmp {

namespace {
constexpr int SleepSliceMs = 20;
}

MessageAnswer StationHost::showMessage(const Message& message)
{
    if (message.text == msg::Complete) return MessageAnswer::Ok;
    failure_ = message.detail.empty() ? message.text : message.text + " " + message.detail;
    if (message.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    const bool retry = message.buttons == MessageButtons::RetryCancel && !job_.cancelRequested &&
                       ++retries_[message.text] <= RetriesPerQuestion;
    return retry ? MessageAnswer::Retry : MessageAnswer::Cancel;
}

void StationHost::showStatus(const std::string& text)
{
    if (text == msg::Writing) setPhase(FleetPhase::Programming);
    if (text == msg::Verifying) setPhase(FleetPhase::Verifying);
}

void StationHost::showProgress(int percent)
{
    job_.report(phase_, percent);
}

void StationHost::setPhase(FleetPhase phase)
{
    phase_ = phase;
    job_.report(phase_, 0);
}

void StationHost::processEvents()
{
    if (job_.cancelRequested) flags_.CancelFlag = true;
}

void StationHost::sleep(int ms)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < until && !job_.cancelRequested)
        std::this_thread::sleep_for(
            std::min(until - std::chrono::steady_clock::now(),
                     std::chrono::steady_clock::duration(std::chrono::milliseconds(SleepSliceMs))));
    processEvents();
}

std::int64_t StationHost::nowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace zmp
