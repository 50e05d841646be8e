#pragma once

#include <functional>
#include <string>
#include <vector>

#include "files/settingsstore.h"

namespace zmp {

// Which device a port number of the serial-port menu stands for. On
// Windows port n is "COMn". Elsewhere it is the device stored under
// "ComPath", "Device" + n when there is one, otherwise the n-th serial
// device the system lists, in a stable (natural) order.
class SerialPortNames {
  public:
    using DeviceList = std::function<std::vector<std::string>()>;

    explicit SerialPortNames(SettingsStore* store, DeviceList devices = systemDevices);

    // Empty when the number stands for no device.
    std::string deviceFor(int number) const;

    // The serial devices of the system, sorted so that "ttyS2" comes before "ttyS10".
    static std::vector<std::string> systemDevices();
    static void sortNaturally(std::vector<std::string>& names);

  private:
    SettingsStore* store_;
    DeviceList devices_;
};

} // namespace zmp
