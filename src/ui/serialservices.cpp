#include "ui/serialservices.h"

#include "platform/qtserialport.h"
#include "platform/serialdeviceuse.h"

namespace zmp {

void attachSerialPorts(MainWindowServices& services, const SerialPortNames& names)
{
    services.makePort = [names] { return std::make_unique<QtSerialPort>(names); };
    services.portDevice = [names](int port) { return names.deviceFor(port); };
    services.portLabel = [names](int port) { return names.labelFor(port); };
    services.portIdentity = [names](int port) { return names.identityFor(port); };
    services.portDevices = [names] {
        std::vector<PortMenuDevice> devices;
        for (const SerialDevice& device : names.candidates())
            devices.push_back({device.location, device.label(), device.stableName});
        return devices;
    };
    services.choosePort = [names](const std::string& device) { return names.choose(device); };
    services.makeDevicePort = [names](const std::string& device) {
        auto port = std::make_unique<QtSerialPort>(names);
        port->setDevicePath(device);
        return port;
    };
    EditorState& state = services.state;
    services.findRadios = [makePort = services.makeDevicePort,
                           &state](const std::vector<std::string>& devices) {
        const RadioFinder finder(makePort, SerialDeviceUse::heldElsewhere, state.model, state.flags);
        return finder.probeAll(devices);
    };
}

} // namespace zmp
