#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "fleet/fleetdirectory.h"
#include "fleet/fleetlist.h"
#include "fleet/fleetlog.h"
#include "fleet/fleetobserver.h"
#include "fleet/fleetstation.h"
#include "fleet/fleetsummary.h"
#include "model/memoryimage.h"
#include "model/records.h"

namespace zmp {

// What a fleet run programs: a checked list and the base every radio starts from.
struct FleetPlan {
    const FleetList& list;
    const Records& base;
    const MemoryImage& image;
    int model = 0;
    FleetDirectoryOptions directory;
    // Program the radios the log has as done, and radios that hold another User MMSI.
    bool again = false;
};

// Hands the rows of a fleet to its stations, one thread per station, each
// taking the next row when it is free. A radio that fails does not stop
// the others; each finished radio gets its line in the log at once.
//
//     FleetScheduler scheduler(plan, log, &observer);
//     FleetSummary summary = scheduler.run({&port1, &port2});   // blocks
//     // from another thread, or the observer: scheduler.cancel();
//
// Cancel lets the radios being programmed finish or cancel cleanly (their
// stations see job.cancelRequested) and starts no other; the rows no
// station took end as NotProgrammed.
class FleetScheduler {
  public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;
    // Runs each body on a thread of its own and returns once all have ended.
    using ThreadRunner = std::function<void(const std::vector<std::function<void()>>& bodies)>;
    // The runner of plain threads.
    static void runOnThreads(const std::vector<std::function<void()>>& bodies);

    FleetScheduler(const FleetPlan& plan, FleetLog& log, FleetObserver* observer = nullptr,
                   Clock clock = std::chrono::system_clock::now);

    // threads: a port adapter that needs threads of its own kind gives its runner.
    FleetSummary run(const std::vector<FleetStation*>& stations, const ThreadRunner& threads = runOnThreads);
    // Safe from any thread.
    void cancel()
    {
        cancelled_ = true;
        rowBack_.notify_all();
    }

  private:
    void start();
    void serve(FleetStation& station);
    FleetJob jobFor(std::size_t row, const Records& records);
    bool take(std::size_t& row);
    void giveBack(std::size_t row, const std::string& device, const std::string& why);
    void arrived();
    FleetResult programSafely(FleetStation& station, const FleetJob& job);
    void finish(std::size_t row, const std::string& device, const FleetResult& result);
    void finishUntaken();
    void update(std::size_t row, const std::function<void(FleetRadio&)>& change);
    void tell(const FleetRadio& radio);

    const FleetPlan& plan_;
    FleetLog& log_;
    FleetObserver* observer_;
    Clock clock_;
    std::atomic<bool> cancelled_{false};

    // Everything below is shared by the stations' threads: under mutex_.
    std::mutex mutex_;
    std::deque<std::size_t> queue_;
    // Rows taken whose radio has not answered yet: each may come back.
    std::size_t awaiting_ = 0;
    std::condition_variable rowBack_;
    std::vector<FleetRadio> radios_;
    std::string logProblem_;
    std::string stopReason_; // why the last station that gave up did
};

} // namespace zmp
