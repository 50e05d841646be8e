#include "platform/serialdevice.h"

#include <cstdio>

namespace zmp {

std::string SerialDevice::label() const
{
    std::string details = manufacturer;
    if (vendorId != 0 || productId != 0) {
        char ids[16];
        std::snprintf(ids, sizeof ids, "%04x:%04x", vendorId, productId);
        details += (details.empty() ? "USB " : ", USB ") + std::string(ids);
    }
    std::string text = location;
    if (!description.empty()) text += "  " + description;
    if (!details.empty()) text += " (" + details + ")";
    return text;
}

} // namespace zmp
