#pragma once

#include <functional>
#include <string>
#include <vector>

#include "files/settingsstore.h"
#include "platform/serialdevice.h"

namespace zmp {

// Which device a port number of the serial-port menu stands for. On
// Windows port n is "COMn". Elsewhere it is the device stored under
// "ComPath", "Device" + n when there is one, otherwise the n-th serial
// device the system lists, in a stable (natural) order. Choosing an item
// stores its device by the name that survives re-plugging, so that a new
// adapter or another USB socket does not change what the item means.
class SerialPortNames {
  public:
    using DeviceList = std::function<std::vector<SerialDevice>()>;

    explicit SerialPortNames(SettingsStore* store, DeviceList devices = systemDevices);

    // Empty when the number stands for no device.
    std::string deviceFor(int number) const;
    // The menu text after the port's caption: the device and what the
    // system says about it; a stored device that is not there says so
    // (one the system does not list, such as a pseudo-terminal, is there
    // all the same); empty when the number stands for no device.
    std::string labelFor(int number) const;
    // What to store when the user chooses the number: the device's stable
    // name where it has one; empty when there is nothing to remember.
    std::string identityFor(int number) const;

    // Every device the port menu offers: the system's, then the devices
    // remembered for port numbers that the system does not list but that
    // are there (a pseudo-terminal, a name typed with "Other device…").
    std::vector<SerialDevice> candidates() const;
    // Makes the device the chosen port and returns its number: the number
    // that stands for it already, else the first that stands for none,
    // else the current one; the device is remembered for it by its stable name.
    int choose(const std::string& device) const;

    // The serial devices of the system, sorted so that "ttyS2" comes before "ttyS10".
    static std::vector<SerialDevice> systemDevices();
    static void sortNaturally(std::vector<std::string>& names);
    static constexpr const char* NotConnected = "(not connected)";
    static constexpr int MenuPorts = 16; // "COM&1" to "COM16"

  private:
    std::string storedDevice(int number) const;
    static bool present(const std::string& device);
    std::vector<SerialDevice> devices() const;
    // The listed device a name stands for, by location or stable name.
    static const SerialDevice* find(const std::vector<SerialDevice>& devices, const std::string& name);

    SettingsStore* store_;
    DeviceList devices_;
};

} // namespace zmp
