#pragma once

#include <string>

namespace zmp {

// Whether another program holds a serial device, found without disturbing
// it: the device is opened without waiting for carrier and closed again at
// once. It is held when the system refuses a second opening, when its
// holder asked for it alone (exclusive mode, which the superuser's
// opening would otherwise pass), or when it is locked.
class SerialDeviceUse {
  public:
    // Why the device is held; empty when it is free or cannot be told.
    static std::string heldElsewhere(const std::string& device);

    static constexpr const char* InUse = "in use by another program";
};

} // namespace zmp
