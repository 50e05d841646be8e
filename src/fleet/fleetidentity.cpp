#include "fleet/fleetidentity.h"

#include "checks/mmsiform.h"

namespace zmp {

std::optional<std::string> identitySkipReason(const std::string& heldMmsi, const std::string& rowMmsi,
                                              bool again)
{
    const std::string held = nineDigitMmsi(heldMmsi);
    if (again || held.empty() || held == rowMmsi) return std::nullopt;
    return "the radio already holds User MMSI " + held;
}

} // namespace zmp
