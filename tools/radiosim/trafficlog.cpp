#include "radiosim/trafficlog.h"

#include <cstdio>

#include "radiosim/linktext.h"

namespace zmp::radiosim {

bool TrafficLog::open(const std::string& path)
{
    file_.open(path, std::ios::out | std::ios::trunc);
    start_ = std::chrono::steady_clock::now();
    return file_.is_open();
}

void TrafficLog::line(const char* who, std::string_view bytes)
{
    if (!file_.is_open()) return;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start_;
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%.6f", elapsed.count());
    // Flushed line by line so that the log is complete even if the radio is killed.
    file_ << stamp << ' ' << who << ' ' << LinkText::escape(bytes) << std::endl;
}

} // namespace zmp::radiosim
