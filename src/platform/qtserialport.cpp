#include "platform/qtserialport.h"

#include <termios.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <sstream>
#include <thread>
#include <utility>

#include "link/linkerror.h"
#include "link/portlosterror.h"
#include "link/timescale.h"
#include "platform/portaccessadvice.h"

namespace zmp {

namespace {
constexpr int WriteTimeoutMs = 2000;
constexpr int BitsPerByte = 10; // start bit, 8 data bits, stop bit
// A USB adapter holds written bytes in its own buffer and passes them on
// in bus frames, so "drained" may come a little before the last byte has
// left the line; the line settings wait this much longer.
constexpr auto DrainGuard = std::chrono::milliseconds(20);

using Clock = std::chrono::steady_clock;

std::optional<QSerialPort::Parity> parityOf(const std::string& letter)
{
    if (letter == "N" || letter == "n") return QSerialPort::NoParity;
    if (letter == "E" || letter == "e") return QSerialPort::EvenParity;
    if (letter == "O" || letter == "o") return QSerialPort::OddParity;
    return std::nullopt;
}
// Qt opens a name that is no path ("ttyUSB0") in /dev.
std::string systemLocation(const std::string& name)
{
#ifdef Q_OS_WIN
    return name;
#else
    const bool path = name.starts_with('/') || name.starts_with("./") || name.starts_with("../");
    return path ? name : "/dev/" + name;
#endif
}

} // namespace

QtSerialPort::QtSerialPort(SerialPortNames names) : names_(std::move(names)) {}

std::string QtSerialPort::device() const
{
    return devicePath_.empty() ? names_.deviceFor(number_) : devicePath_;
}

std::optional<QtSerialPort::LineSettings> QtSerialPort::parseSettings(const std::string& text)
{
    std::istringstream in(text);
    std::string baud, parity, data, stop, rest;
    if (!std::getline(in, baud, ',') || !std::getline(in, parity, ',') || !std::getline(in, data, ',') ||
        !std::getline(in, stop, ',') || std::getline(in, rest)) {
        return std::nullopt;
    }
    const auto parityValue = parityOf(parity);
    if (!parityValue || baud.empty() || baud.find_first_not_of("0123456789") != std::string::npos ||
        baud.size() > 7 || (data != "7" && data != "8") || (stop != "1" && stop != "2")) {
        return std::nullopt;
    }
    return LineSettings{std::stoi(baud), *parityValue, data == "7" ? QSerialPort::Data7 : QSerialPort::Data8,
                        stop == "1" ? QSerialPort::OneStop : QSerialPort::TwoStop};
}

bool QtSerialPort::open()
{
    if (port_.isOpen()) return fail(QSerialPort::OpenError, "the port is already open");
    const auto line = parseSettings(settings_);
    if (!line)
        return fail(QSerialPort::UnsupportedOperationError, "unusable line settings \"" + settings_ + "\"");
    const std::string name = device();
    if (name.empty()) {
        return fail(QSerialPort::DeviceNotFoundError, "no serial device for port " + std::to_string(number_));
    }
    port_.setPortName(QString::fromStdString(name));
    if (!port_.open(QIODevice::ReadWrite)) {
        return fail(port_.error(), openFailure(name));
    }
    if (!configure(*line)) {
        const PortError error{port_.error(), name + ": " + port_.errorString().toStdString()};
        port_.close();
        return fail(error.number, error.description);
    }
    port_.clearError();
    error_ = {};
    baud_ = line->baud;
    openDevice_ = name;
    sentBy_ = Clock::now();
    return true;
}

// Qt's reason about what it opened, then what the user can do about it.
std::string QtSerialPort::openFailure(const std::string& name) const
{
    const std::string opened = systemLocation(name);
    const std::string description = opened + ": " + port_.errorString().toStdString();
    const std::string advice = port_.error() == QSerialPort::PermissionError
                                   ? PortAccessAdvice::text(opened)
                                   : PortAccessAdvice::notSerialText(opened);
    return advice.empty() ? description : description + ". " + advice;
}

bool QtSerialPort::configure(const LineSettings& line)
{
    return port_.setBaudRate(line.baud) && port_.setDataBits(line.dataBits) && port_.setParity(line.parity) &&
           port_.setStopBits(line.stopBits) && port_.setFlowControl(QSerialPort::NoFlowControl);
}

bool QtSerialPort::fail(int number, const std::string& description)
{
    error_ = {number, description};
    return false;
}

void QtSerialPort::close()
{
    if (!port_.isOpen()) return;
    drain();
    port_.close();
}

void QtSerialPort::drain()
{
    ::tcdrain(static_cast<int>(port_.handle()));
    std::this_thread::sleep_until(sentBy_ + DrainGuard);
}

std::chrono::microseconds QtSerialPort::lineTime(qint64 bytes) const
{
    if (baud_ <= 0 || bytes <= 0) return {};
    const double micros = static_cast<double>(bytes) * BitsPerByte * 1'000'000 / baud_;
    return std::chrono::microseconds(std::llround(micros * linkTimeScale()));
}

int QtSerialPort::waitingCount()
{
    return port_.isOpen() ? static_cast<int>(port_.bytesAvailable()) : 0;
}

int QtSerialPort::readByte()
{
    char byte = 0;
    if (!port_.isOpen() || port_.read(&byte, 1) != 1) return -1;
    return static_cast<unsigned char>(byte);
}

void QtSerialPort::flush()
{
    if (!port_.isOpen()) return;
    port_.readAll();
    port_.clear(QSerialPort::Input);
}

void QtSerialPort::write(const std::vector<std::uint8_t>& bytes)
{
    if (!port_.isOpen()) return;
    sentBy_ = std::max(Clock::now(), sentBy_) + lineTime(static_cast<qint64>(bytes.size()));
    port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    while (port_.bytesToWrite() > 0) {
        if (!port_.waitForBytesWritten(WriteTimeoutMs)) break;
    }
    throwIfBroken();
    if (port_.bytesToWrite() > 0) throw LinkError(QSerialPort::TimeoutError, "the port does not send");
}

// Wakes once for the first byte of a reply, then sleeps for as long as the
// rest of what the reader needs takes on the line and takes it in one read,
// instead of waking for every byte as it trickles in.
void QtSerialPort::waitForInput(int ms, int wanted)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    if (!port_.isOpen()) {
        std::this_thread::sleep_until(deadline);
        return;
    }
    if (port_.bytesAvailable() >= wanted) return;
    if (port_.bytesAvailable() == 0 && !port_.waitForReadyRead(ms)) {
        throwIfBroken();
        return;
    }
    const qint64 missing = wanted - port_.bytesAvailable();
    if (missing <= 0) return;
    std::this_thread::sleep_until(std::min(deadline, Clock::now() + lineTime(missing)));
    if (!port_.waitForReadyRead(0)) throwIfBroken();
}

// A timeout is the normal end of a slice; a resource, read or write error
// means the device can no longer be used.
void QtSerialPort::throwIfBroken()
{
    const QSerialPort::SerialPortError error = port_.error();
    if (error == QSerialPort::NoError) return;
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError &&
        error != QSerialPort::WriteError) {
        port_.clearError();
        return;
    }
    const std::string description = port_.errorString().toStdString();
    error_ = {error, description};
    port_.close();
    throw PortLostError(error, description, openDevice_);
}

} // namespace zmp
