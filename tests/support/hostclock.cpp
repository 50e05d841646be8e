#include "support/hostclock.h"

#include <chrono>
#include <thread>

namespace zmp::test {

std::int64_t ShortPauseClock::nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void ShortPauseClock::pause(int ms)
{
    std::this_thread::sleep_for(std::chrono::microseconds(ms * 100));
}

} // namespace zmp::test
