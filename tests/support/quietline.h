#pragma once

#include <string>

namespace zmp::test {

// A serial device nothing answers on: a pseudo-terminal, raw from the start
// as a serial line is, whose other side this object holds and through which
// it sees every byte sent to the device.
class QuietLine {
  public:
    QuietLine();
    virtual ~QuietLine();
    QuietLine(const QuietLine&) = delete;
    QuietLine& operator=(const QuietLine&) = delete;

    const std::string& device() const { return device_; }
    // Everything sent to the device so far.
    std::string received();
    // Opened by "another program" that asked for it alone; false if that failed.
    bool holdExclusively();

  protected:
    // Writes bytes as if the device sent them.
    void sendFromDevice(const std::string& bytes);

  private:
    int master_ = -1;
    int holder_ = -1;
    std::string device_;
    std::string received_;
};

} // namespace zmp::test
