#include "radiosim/linepacer.h"

#include <algorithm>

namespace zmp::radiosim {

LinePacer::Clock::duration LinePacer::byteTime(int bitsPerSecond)
{
    if (bitsPerSecond <= 0) return Clock::duration::zero();
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::nanoseconds(10'000'000'000LL / bitsPerSecond));
}

LinePacer::Clock::time_point LinePacer::pass(Clock::time_point earliest, int bitsPerSecond)
{
    free_ = std::max(free_, earliest) + byteTime(bitsPerSecond);
    return free_;
}

} // namespace zmp::radiosim
