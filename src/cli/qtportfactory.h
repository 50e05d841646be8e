#pragma once

#include <functional>
#include <memory>
#include <string>

#include "files/settingsstore.h"
#include "link/serialport.h"

namespace zmp {

// The serial ports of zmp-cli: the device given with --port, or the one
// the remembered port number stands for, on the QSerialPort adapter.
std::function<std::unique_ptr<SerialPort>(const std::string& device)> qtPortFactory(SettingsStore& settings);

} // namespace zmp
