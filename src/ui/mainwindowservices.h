#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "files/settingsstore.h"
#include "fleetlink/radiofinder.h"
#include "link/serialport.h"
#include "ui/dialogservice.h"
#include "ui/editorstate.h"
#include "ui/messageservice.h"

namespace zmp {

// A serial device the serial-port menu offers besides the port numbers.
struct PortMenuDevice {
    std::string device;     // "/dev/ttyUSB0"
    std::string label;      // the menu text: the device and the adapter's description
    std::string stableName; // the name that survives re-plugging; empty where there is none
};

// What the main window works with; the program entry and the tests make them.
struct MainWindowServices {
    EditorState& state;
    SettingsStore& settings;
    MessageService& messages;
    DialogService& dialogs;
    // A new serial port for each transfer dialog.
    std::function<std::unique_ptr<SerialPort>()> makePort;
    // The device a serial-port menu item stands for; empty when none.
    std::function<std::string(int port)> portDevice;
    // The folder of the automatic backups; empty where none are kept.
    std::string backupDir = {};
    // The menu text of a serial-port item after its caption (the device
    // and its description), and what choosing it stores so that the item
    // keeps meaning that device.
    std::function<std::string(int port)> portLabel = {};
    std::function<std::string(int port)> portIdentity = {};
    // The serial devices of the menu; choosing one stores it and returns
    // its port number; Find Radio probes devices.
    std::function<std::vector<PortMenuDevice>()> portDevices = {};
    std::function<int(const std::string& device)> choosePort = {};
    std::function<std::vector<ProbeResult>(const std::vector<std::string>& devices)> findRadios = {};
    // A new serial port on the given device, for each port of a fleet.
    std::function<std::unique_ptr<SerialPort>(const std::string& device)> makeDevicePort = {};
};

} // namespace zmp
