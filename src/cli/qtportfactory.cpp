#include "cli/qtportfactory.h"

#include "platform/qtserialport.h"

namespace zmp {

std::function<std::unique_ptr<SerialPort>(const std::string& device)> qtPortFactory(SettingsStore& settings)
{
    return [&settings](const std::string& device) -> std::unique_ptr<SerialPort> {
        auto port = std::make_unique<QtSerialPort>(SerialPortNames(&settings));
        if (!device.empty()) port->setDevicePath(device);
        return port;
    };
}

} // namespace zmp
