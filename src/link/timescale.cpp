#include "link/timescale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zmp {

namespace {
double readScale()
{
    const char* text = std::getenv("ZMP_TEST_TIME_SCALE");
    if (text == nullptr) return 1.0;
    char* end = nullptr;
    const double scale = std::strtod(text, &end);
    if (end == text || !std::isfinite(scale)) return 1.0;
    return std::clamp(scale, 0.01, 1.0);
}
} // namespace

double linkTimeScale()
{
    static const double scale = readScale();
    return scale;
}

int scaledMs(int ms)
{
    if (ms <= 0) return ms;
    return std::max(1, static_cast<int>(std::lround(ms * linkTimeScale())));
}

} // namespace zmp
