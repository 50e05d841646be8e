#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "link/linkcontext.h"
#include "link/linkhost.h"
#include "link/serialport.h"
#include "link/transferflags.h"
#include "model/memoryimage.h"
#include "support/contractrig.h"
#include "support/hostclock.h"
#include "support/recordinghost.h"
#include "support/scratchfolder.h"

namespace zmp::test {

// A serial port in memory. Every write is recorded and handed to the
// responder, whose answer becomes waiting input.
class ScriptedPort : public SerialPort {
  public:
    explicit ScriptedPort(FakeClock& clock) : clock_(clock) {}

    void setPortNumber(int number) override { portNumber = number; }
    void setSettings(const std::string& text) override { settings = text; }
    bool open() override;
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    int waitingCount() override { return static_cast<int>(input.size()); }
    int readByte() override;
    void flush() override { input.clear(); }
    void write(const std::vector<std::uint8_t>& bytes) override;
    void waitForInput(int ms, int wanted) override;
    PortError lastError() const override { return {3, "no such port"}; }

    void feed(const std::string& bytes) { input.insert(input.end(), bytes.begin(), bytes.end()); }
    std::vector<std::string> writesStartingWith(const std::string& prefix) const;

    std::deque<char> input;
    std::vector<std::string> writes;
    std::vector<std::string> openedWith; // settings text of each open
    std::function<std::string(const std::string& written)> responder;
    std::function<void(const std::string& written)> beforeWrite; // may throw
    bool opens = true;
    int portNumber = 0;
    std::string settings;
    long idleWaits = 0;
    std::vector<int> wantedCounts; // what each idle wait was asked to wait for

  private:
    FakeClock& clock_;
    bool open_ = false;
};

// One frame the computer sent, taken apart.
struct SentFrame {
    std::string word;
    int address = -1;
    int length = -1;
    std::string data;
};
std::optional<SentFrame> parseFrame(const std::string& written);

// A radio in PC-control mode, good enough to drive every operation. A
// fault hook may answer a frame in its place (nullopt: answer normally).
class MiniRadio {
  public:
    MiniRadio();
    std::string answer(const std::string& written);
    void attach(ScriptedPort& port);
    std::vector<SentFrame> writeFrames() const; // the write requests among frames

    MemoryImage memory;
    std::vector<SentFrame> frames; // every frame received, in order
    std::function<std::optional<std::string>(const SentFrame& frame, int index)> fault;
    RadioFaults faults; // as zmp-radio-sim shows them
    std::string status = "00";
    int canCount = 0;

    static std::string dataReply(const MemoryImage& memory, int address, int length);
    static std::string reply(const std::string& word, const std::string& fields); // checksummed, CR LF

  private:
    std::string answerFrame(const SentFrame& frame);
    std::string answerStatus();
    std::string answerWrite(const SentFrame& frame);
};

// Everything a link test needs, wired together.
struct LinkRig {
    FakeClock clock;
    RecordingHost host{clock};
    ScriptedPort port{clock};
    TransferFlags flags;
    MiniRadio radio;
    LinkOptions options{1, scratchFolder().string()}; // the program folder, for the error log
    LinkContext context{port, host, flags, options, "Read from Radio"};

    LinkRig() { radio.attach(port); }
};

} // namespace zmp::test
