#pragma once

#include <QSerialPort>
#include <chrono>
#include <optional>
#include <string>

#include "link/serialport.h"
#include "platform/serialportnames.h"

namespace zmp {

// The radio link's port on QSerialPort: 8 data bits, no parity, one stop
// bit and no flow control unless the settings text says otherwise, at the
// baud rate of the settings text. A device path set with setDevicePath
// (zmp-cli --port /dev/pts/7) takes the place of the port number.
// A device that fails beneath an open port (a cable pulled, the far end
// of a pseudo-terminal closed) raises PortLostError, so the link ends at
// once instead of waiting out its deadlines. Closing waits until what was
// written has left the line, because closing restores the line settings
// the port had before, and a last acknowledgement still on its way would
// reach the radio at the wrong speed.
class QtSerialPort : public SerialPort {
  public:
    explicit QtSerialPort(SerialPortNames names);

    void setDevicePath(const std::string& path) { devicePath_ = path; }
    // The device the next open() will use; empty when the number stands for none.
    std::string device() const;

    void setPortNumber(int number) override { number_ = number; }
    void setSettings(const std::string& settings) override { settings_ = settings; }
    bool open() override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    int waitingCount() override;
    int readByte() override;
    void flush() override;
    void write(const std::vector<std::uint8_t>& bytes) override;
    void waitForInput(int ms, int wanted) override;
    PortError lastError() const override { return error_; }

    // "57600,N,8,1" taken apart; nothing when the text is not of that form.
    struct LineSettings {
        qint32 baud;
        QSerialPort::Parity parity;
        QSerialPort::DataBits dataBits;
        QSerialPort::StopBits stopBits;
    };
    static std::optional<LineSettings> parseSettings(const std::string& text);

  private:
    std::string openFailure(const std::string& name) const;
    bool configure(const LineSettings& line);
    bool fail(int number, const std::string& description);
    void throwIfBroken();
    void drain();
    std::chrono::microseconds lineTime(qint64 bytes) const;

    SerialPortNames names_;
    QSerialPort port_;
    std::string devicePath_;
    std::string settings_ = "19200,N,8,1";
    int number_ = 1;
    int baud_ = 0;
    std::string openDevice_;
    std::chrono::steady_clock::time_point sentBy_{}; // the last written byte has left the line
    PortError error_;
};

} // namespace zmp
