#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zmp {

// Why the last open (or other port operation) failed: a number and the
// port's own description, written together into the error log.
struct PortError {
    int number = 0;
    std::string description;
};

// The serial port as the radio link sees it. The link polls: it asks how
// many bytes are waiting and takes them one at a time. No flow control.
// Operations on a closed port do nothing (reads find nothing waiting);
// an adapter may throw LinkError when the device fails beneath an open port.
class SerialPort {
  public:
    virtual ~SerialPort() = default;

    // Take effect at the next open. Settings text: "19200,N,8,1" or "57600,N,8,1".
    virtual void setPortNumber(int number) = 0;
    virtual void setSettings(const std::string& settings) = 0;

    virtual bool open() = 0; // false on failure; lastError() says why
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual int waitingCount() = 0; // received bytes not yet taken
    virtual int readByte() = 0;     // one waiting byte (0..255), -1 when none waits
    virtual void flush() = 0;       // discard all waiting input
    virtual void write(const std::vector<std::uint8_t>& bytes) = 0;

    // Blocks until `wanted` bytes are waiting or ms milliseconds have
    // passed, so that the link's waits neither spin nor wake for every byte
    // of a reply whose length they know. Returns at once when enough waits.
    virtual void waitForInput(int ms, int wanted) = 0;

    virtual PortError lastError() const = 0;
};

} // namespace zmp
