#pragma once

#include <string>

namespace zmp::test {

// The computer's end of the emulator's line, opened raw like a serial port,
// with reads bounded by a deadline so that a silent radio fails a test
// instead of hanging it.
class PtyClient {
  public:
    explicit PtyClient(const std::string& device);
    ~PtyClient();
    PtyClient(const PtyClient&) = delete;
    PtyClient& operator=(const PtyClient&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    void send(const std::string& bytes);
    // Reads until ending has been received, the line drops or the deadline
    // passes; returns what came up to and including ending (everything, if
    // it never came). Bytes after ending are kept for the next read.
    std::string readUntil(const std::string& ending, int timeoutMs = 5000);
    // True when the line dropped (end of file or an error) within the deadline.
    bool waitForHangUp(int timeoutMs = 5000);

  private:
    int fd_ = -1;
    std::string pending_;
};

} // namespace zmp::test
