#include "radiosim/radiosim.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace zmp::radiosim {

namespace {

using Clock = LinePacer::Clock;

// Bytes inside a reply may reach the computer a few byte times late
// (it acts only on a complete reply), which saves a wake-up per byte.
constexpr std::size_t SendBatch = 8;
constexpr auto DrainSlice = std::chrono::milliseconds(2);

} // namespace

RadioSim::RadioSim(const MemoryImage& memory, const SimOptions& options)
    : protocol_(memory, options.faults), baud_(options.baud)
{
    if (pipe2(stopPipe_, O_NONBLOCK | O_CLOEXEC) != 0)
        throw std::system_error(errno, std::generic_category(), "pipe");
}

RadioSim::~RadioSim()
{
    ::close(stopPipe_[0]);
    ::close(stopPipe_[1]);
}

void RadioSim::stop()
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(stopPipe_[1], &byte, 1);
}

int RadioSim::rate() const
{
    return baud_ == SimOptions::FollowLine ? port_.lineRate() : baud_;
}

bool RadioSim::run()
{
    for (;;) {
        const auto now = Clock::now();
        if (!receive(now)) return false;
        handleDue(now);
        const bool lineFull = !sendDue(now);
        if (readyToHangUp(now)) {
            port_.hangUp();
            log_.note("line dropped");
            return true;
        }
        if (!waitForWork(now, lineFull)) {
            takeRemainingInput();
            return false;
        }
    }
}

// A radio being stopped still hears what the computer sent last (a CAN
// right before the line closes must not be lost from the record).
void RadioSim::takeRemainingInput()
{
    receive(Clock::now());
    handleDue(Clock::time_point::max());
}

// The line drops once the last answer has reached the computer, as when a
// radio is switched off after its last byte left it. The terminal passes
// written bytes on a moment later, so the queue is trusted only after a
// settling time; a computer that does not read is given two seconds.
bool RadioSim::readyToHangUp(Clock::time_point now)
{
    if (!hangUpPending_ || !sending_.empty()) return false;
    if (drainDeadline_ == Clock::time_point::max()) drainDeadline_ = now + std::chrono::seconds(2);
    return (now >= lastWrite_ + std::chrono::milliseconds(100) && port_.unread() == 0) ||
           now >= drainDeadline_;
}

// Bytes from the computer count as received when they would have passed
// the line, so a long frame takes its time to arrive.
bool RadioSim::receive(Clock::time_point now)
{
    std::uint8_t buffer[4096];
    const long count = port_.read(buffer, sizeof buffer);
    if (count < 0) return false;
    if (count == 0) return true;
    // Taken as soon as the bytes come, so that a line changed right after
    // them (a port closed before its output drained) shows in their speed.
    const int lineRate = port_.lineRate();
    const int bitsPerSecond = baud_ == SimOptions::FollowLine ? lineRate : baud_;
    for (long i = 0; i < count; ++i)
        received_.push_back({inbound_.pass(now, bitsPerSecond), buffer[i], lineRate});
    stats_.computerBytes += count;
    return true;
}

void RadioSim::handleDue(Clock::time_point now)
{
    while (!received_.empty() && received_.front().due <= now) {
        const TimedByte byte = received_.front();
        received_.pop_front();
        if (messageRates_.empty() || messageRates_.back() != byte.lineRate)
            messageRates_.push_back(byte.lineRate);
        auto message = splitter_.take(byte.byte);
        if (!message) continue;
        message->lineRates = std::move(messageRates_);
        messageRates_.clear();
        ++stats_.computerMessages;
        log_.fromComputer(message->raw);
        if (message->lineRates.size() > 1) log_.note("line speed changed within the message");
        // A radio about to drop the line answers nothing more.
        if (hangUpPending_) continue;
        const RadioAnswer answer = protocol_.answer(*message);
        if (!answer.note.empty()) log_.note(answer.note);
        schedule(answer, byte.due);
    }
}

void RadioSim::schedule(const RadioAnswer& answer, Clock::time_point arrived)
{
    if (answer.discardPending) {
        sending_.clear();
        outbound_.reset(arrived);
    }
    const int bitsPerSecond = answer.segments.empty() ? 0 : rate();
    for (const auto& segment : answer.segments) {
        const auto earliest =
            std::max(arrived, outbound_.freeAt()) + std::chrono::milliseconds(segment.delayMs);
        for (char c : segment.bytes)
            sending_.push_back({outbound_.pass(earliest, bitsPerSecond), static_cast<std::uint8_t>(c)});
        log_.fromRadio(segment.bytes);
        stats_.radioBytes += long(segment.bytes.size());
    }
    hangUpPending_ = hangUpPending_ || answer.hangUp;
}

// False when the line would not take every byte that is due.
bool RadioSim::sendDue(Clock::time_point now)
{
    std::vector<std::uint8_t> due;
    for (const auto& byte : sending_) {
        if (byte.due > now) break;
        due.push_back(byte.byte);
    }
    if (due.empty()) return true;
    const long written = port_.write(due.data(), due.size());
    lastWrite_ = now;
    if (written < 0) {
        sending_.clear();
        return true;
    }
    sending_.erase(sending_.begin(), sending_.begin() + written);
    return std::size_t(written) == due.size();
}

// The moment something must next be done: a message completes on the
// way in, or a batch of bytes (always including the last one queued) is
// due on the way out. Clock::time_point::max() when nothing waits.
Clock::time_point RadioSim::nextWake() const
{
    auto wake = Clock::time_point::max();
    if (hangUpPending_ && sending_.empty()) wake = Clock::now() + DrainSlice;
    if (!sending_.empty()) wake = sending_[std::min(SendBatch, sending_.size()) - 1].due;
    const auto ends = std::find_if(received_.begin(), received_.end(),
                                   [](const TimedByte& b) { return b.byte == '\n' || b.byte == 0x18; });
    if (!received_.empty()) wake = std::min(wake, ends == received_.end() ? received_.back().due : ends->due);
    return wake;
}

// False when stop() was called.
bool RadioSim::waitForWork(Clock::time_point now, bool lineFull)
{
    pollfd fds[2] = {{port_.descriptor(), short(POLLIN | (lineFull ? POLLOUT : 0)), 0},
                     {stopPipe_[0], POLLIN, 0}};
    const auto wake = lineFull ? Clock::time_point::max() : nextWake();
    timespec timeout{};
    if (wake != Clock::time_point::max()) {
        const auto wait = std::max(Clock::duration::zero(), wake - now);
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
        timeout = {time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
    }
    if (wake != Clock::time_point::max() && timeout.tv_sec == 0 && timeout.tv_nsec == 0) return true;
    ppoll(fds, 2, wake == Clock::time_point::max() ? nullptr : &timeout, nullptr);
    return (fds[1].revents & POLLIN) == 0;
}

} // namespace zmp::radiosim
