#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace zmp {

// A serial device as the system lists it. stableName, where the system
// has one (Linux: /dev/serial/by-id/...), names the same adapter however
// and wherever it is plugged in; the location ("/dev/ttyUSB0") may change.
struct SerialDevice {
    SerialDevice() = default;
    // A device known by its location alone.
    SerialDevice(std::string deviceLocation) : location(std::move(deviceLocation)) {}
    SerialDevice(const char* deviceLocation) : location(deviceLocation) {}

    std::string location;
    std::string description;    // the product, "FT232R USB UART"
    std::string manufacturer;   // "FTDI"
    std::uint16_t vendorId = 0; // USB ids; 0 where the system knows none
    std::uint16_t productId = 0;
    std::string stableName;

    // What the serial-port menu shows after the port's caption:
    // "/dev/ttyUSB0  FT232R USB UART (FTDI, USB 0403:6001)".
    std::string label() const;
};

} // namespace zmp
