#pragma once

#include "platform/serialportnames.h"
#include "ui/mainwindow.h"

namespace zmp {

// The main window's serial ports on the system's devices: the port of each
// transfer, what the serial-port menu shows and stores, and Find Radio.
void attachSerialPorts(MainWindowServices& services, const SerialPortNames& names);

} // namespace zmp
