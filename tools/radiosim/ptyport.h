#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zmp::radiosim {

// The radio's end of a pseudo-terminal pair. The computer opens the slave
// device like a serial port; the radio reads and writes the master.
// The radio keeps a descriptor of the slave open itself, so that the
// computer closing and reopening its port (as it does to change speed)
// never hangs up the line.
class PtyPort {
  public:
    // Throws std::system_error when no pseudo-terminal can be had.
    PtyPort();
    ~PtyPort();
    PtyPort(const PtyPort&) = delete;
    PtyPort& operator=(const PtyPort&) = delete;

    const std::string& slavePath() const { return slavePath_; }
    int descriptor() const { return master_; }

    // Never blocks: the number of bytes read, 0 when none wait, -1 when the line is gone.
    long read(std::uint8_t* buffer, std::size_t size);
    // Never blocks: the number of bytes taken, 0 when the line is full, -1 when it is gone.
    long write(const std::uint8_t* bytes, std::size_t size);

    // Bytes sent that the computer has not taken yet.
    int unread() const;

    // The speed in bits per second the computer last set on its end; 0 if unknown.
    int lineRate() const;

    // Drops the line: the computer's port sees a hang-up.
    void hangUp();
    bool isOpen() const { return master_ >= 0; }

  private:
    int master_ = -1;
    int slaveKeeper_ = -1;
    std::string slavePath_;
};

} // namespace zmp::radiosim
