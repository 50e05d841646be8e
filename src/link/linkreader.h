#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "link/linkcontext.h"

namespace zmp {

// Outcome of a reader; the numbers are fixed.
enum class ResultCode { Success = 0, Cancelled = 1, Timeout = 3, Refused = 8, Unexpected = -1 };

struct ReadResult {
    ResultCode code = ResultCode::Success;
    std::string text;
};

// The waits for the radio's replies. Each pass takes at most one byte, so
// a reader never consumes what belongs to the next reply; each pass serves
// the host's events so that Cancel stays live; a pass that finds nothing
// waiting blocks on the port for a short slice, or until as many bytes as
// the reader still expects have come, instead of spinning or waking for
// every byte.
class LinkReader {
  public:
    explicit LinkReader(const LinkContext& context) : context_(context) {}

    ReadResult readWord(int count, int seconds) const;
    // Up to CR, then through LF. expected: the line's usual length with CR
    // and LF, when known; it only tells the waits how much to wait for.
    ReadResult readLine(int seconds, int expected = 1) const;
    ReadResult readReplyLine(int seconds) const; // up to CR; the next byte must be LF
    ResultCode waitByte(std::uint8_t byte, int seconds) const;

    static constexpr int SliceMs = 10;
    static constexpr int MinScaledWaitMs = 500;

  private:
    static std::int64_t waitMs(int seconds);
    // Runs passes until done returns a result; byte is -1 when nothing came.
    // missing: how many more bytes the reader expects at least (1 or more).
    ResultCode run(int seconds, const std::function<std::optional<ResultCode>(int byte)>& done,
                   const std::function<int()>& missing) const;
    // Collects a line up to CR and ends at the LF after it; a byte other
    // than LF after the CR ends the read with strayAfterCr, or is skipped
    // when that is empty.
    ReadResult readCrLf(int seconds, std::optional<ResultCode> strayAfterCr, int expected) const;

    const LinkContext& context_;
};

} // namespace zmp
