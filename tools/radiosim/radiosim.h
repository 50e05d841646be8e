#pragma once

#include <deque>
#include <string>
#include <vector>

#include "radiosim/linepacer.h"
#include "radiosim/messagesplitter.h"
#include "radiosim/ptyport.h"
#include "radiosim/radioprotocol.h"
#include "radiosim/simoptions.h"
#include "radiosim/trafficlog.h"
#include "radiosim/trafficstats.h"

namespace zmp::radiosim {

// The emulated radio on its pseudo-terminal: takes the computer's bytes as
// they would arrive over a line of the chosen speed, lets the protocol
// answer each message, and sends the answers paced the same way.
// run() may go on another thread; stop() may be called from any thread or
// a signal handler. Read protocol() and stats() once run() has returned.
class RadioSim {
  public:
    // Throws std::system_error when no pseudo-terminal can be had.
    RadioSim(const MemoryImage& memory, const SimOptions& options);
    ~RadioSim();
    RadioSim(const RadioSim&) = delete;
    RadioSim& operator=(const RadioSim&) = delete;

    const std::string& devicePath() const { return port_.slavePath(); }
    // False when the log file cannot be created.
    bool openLog(const std::string& path) { return log_.open(path); }

    // Until stop() or a hang-up fault; true when the line was dropped by the fault.
    bool run();
    void stop();

    const RadioProtocol& protocol() const { return protocol_; }
    const TrafficStats& stats() const { return stats_; }

  private:
    struct TimedByte {
        LinePacer::Clock::time_point due;
        std::uint8_t byte;
        int lineRate = 0; // the speed the computer's end of the line had when the byte came
    };

    int rate() const;
    bool readyToHangUp(LinePacer::Clock::time_point now);
    bool receive(LinePacer::Clock::time_point now);
    void handleDue(LinePacer::Clock::time_point now);
    void schedule(const RadioAnswer& answer, LinePacer::Clock::time_point now);
    bool sendDue(LinePacer::Clock::time_point now);
    void takeRemainingInput();
    bool waitForWork(LinePacer::Clock::time_point now, bool lineFull);
    LinePacer::Clock::time_point nextWake() const;

    PtyPort port_;
    RadioProtocol protocol_;
    MessageSplitter splitter_;
    TrafficLog log_;
    TrafficStats stats_;
    int baud_;
    LinePacer inbound_;
    LinePacer outbound_;
    std::deque<TimedByte> received_;
    std::deque<TimedByte> sending_;
    std::vector<int> messageRates_; // of the message being received
    bool hangUpPending_ = false;
    LinePacer::Clock::time_point lastWrite_{};
    LinePacer::Clock::time_point drainDeadline_ = LinePacer::Clock::time_point::max();
    int stopPipe_[2] = {-1, -1};
};

} // namespace zmp::radiosim
