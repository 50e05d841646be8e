#include "link/linkreader.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "link/linkwords.h"
#include "link/timescale.h"

namespace zmp {

namespace {
constexpr char Cr = '\r';
constexpr char Lf = '\n';

bool isRefusal(const std::string& text)
{
    const std::string refusal = linkword::Refusal;
    if (text.size() != refusal.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != refusal[i]) return false;
    }
    return true;
}
} // namespace

// The test suite's time scale shortens a wait, but never below half a
// second: a busy machine must not turn a prompt reply into a timeout.
std::int64_t LinkReader::waitMs(int seconds)
{
    const int ms = seconds * 1000;
    return std::min(ms, std::max(MinScaledWaitMs, scaledMs(ms)));
}

ResultCode LinkReader::run(int seconds, const std::function<std::optional<ResultCode>(int byte)>& done,
                           const std::function<int()>& missing) const
{
    const std::int64_t deadline = context_.host.nowMs() + waitMs(seconds);
    for (;;) {
        const int byte = context_.port.waitingCount() > 0 ? context_.port.readByte() : -1;
        context_.host.processEvents();
        if (context_.flags.CancelFlag) return ResultCode::Cancelled;
        if (context_.host.nowMs() > deadline) return ResultCode::Timeout;
        if (const auto result = done(byte)) return *result;
        if (byte < 0) context_.port.waitForInput(SliceMs, std::max(1, missing()));
    }
}

ReadResult LinkReader::readWord(int count, int seconds) const
{
    ReadResult result;
    result.code = run(
        seconds,
        [&](int byte) -> std::optional<ResultCode> {
            if (byte >= 0) result.text += static_cast<char>(byte);
            if (isRefusal(result.text)) return ResultCode::Refused;
            if (static_cast<int>(result.text.size()) >= count) return ResultCode::Success;
            return std::nullopt;
        },
        [&] { return count - static_cast<int>(result.text.size()); });
    return result;
}

ReadResult LinkReader::readLine(int seconds, int expected) const
{
    return readCrLf(seconds, std::nullopt, expected);
}

ReadResult LinkReader::readReplyLine(int seconds) const
{
    return readCrLf(seconds, ResultCode::Unexpected, 1);
}

ReadResult LinkReader::readCrLf(int seconds, std::optional<ResultCode> strayAfterCr, int expected) const
{
    int taken = 0;
    ReadResult result;
    bool seenCr = false;
    result.code = run(
        seconds,
        [&](int byte) -> std::optional<ResultCode> {
            if (byte < 0) return std::nullopt;
            ++taken;
            if (seenCr) return byte == Lf ? std::optional(ResultCode::Success) : strayAfterCr;
            if (byte == Cr)
                seenCr = true;
            else
                result.text += static_cast<char>(byte);
            return std::nullopt;
        },
        [&] { return seenCr ? 1 : expected - taken; });
    return result;
}

ResultCode LinkReader::waitByte(std::uint8_t wanted, int seconds) const
{
    return run(
        seconds,
        [&](int byte) -> std::optional<ResultCode> {
            if (byte == wanted) return ResultCode::Success;
            return std::nullopt;
        },
        [] { return 1; });
}

} // namespace zmp
