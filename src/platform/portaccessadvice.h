#pragma once

#include <string>

namespace zmp {

// What to tell a user whose serial device could not be opened: for lack of
// permission, or because what was named is no serial device at all. On Linux a serial device belongs to a
// group (typically "dialout") whose members may use it; the fix is to join that group. A device left to the
// group root is given a group by a udev rule first: nobody should join root.
class PortAccessAdvice {
  public:
    static std::string text(const std::string& device);
    // The name of the group that owns the device; empty when unknown.
    static std::string ownerGroup(const std::string& device);
    // The advice for a device owned by group, for a user who may not use it
    // (for the group root, the udev rule).
    static std::string joinGroupText(const std::string& device, const std::string& group);
    // The advice for a device owned by root: a udev rule that gives it the
    // group "dialout", then joining that.
    static std::string udevRuleText(const std::string& device);
    // "DEVICE is not a serial device: ..." for a file, folder or device that
    // is no terminal; empty for one that is, or that cannot be looked at.
    static std::string notSerialText(const std::string& device);
};

} // namespace zmp
