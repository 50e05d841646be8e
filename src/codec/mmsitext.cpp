#include "codec/mmsitext.h"

namespace zmp {

namespace {

constexpr std::size_t TenthPlace = 9;

bool hasTenthPlace(const std::string& stored)
{
    return stored.size() == TenthPlace + 1;
}

} // namespace

std::string mmsiAsWritten(const std::string& stored)
{
    if (!hasTenthPlace(stored)) return stored;
    return stored.substr(0, TenthPlace) + '0';
}

char strayTenthDigit(const std::string& stored)
{
    return hasTenthPlace(stored) && stored[TenthPlace] != '0' ? stored[TenthPlace] : '\0';
}

std::string shownMmsi(const std::string& stored)
{
    return hasTenthPlace(stored) ? stored.substr(0, TenthPlace) : stored;
}

} // namespace zmp
