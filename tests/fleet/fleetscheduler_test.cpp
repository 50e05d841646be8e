// The scheduler over fake ports: several at once, failures, identities,
// reruns and cancel.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <mutex>
#include <stdexcept>

#include "fleet/fleetcheck.h"
#include "fleet/fleetscheduler.h"
#include "support/scratchfolder.h"
#include "support/systemerror.h"
#include "support/waitfor.h"

namespace zmp {
namespace {

// The radios behind the fake ports, shared by every port's thread.
struct Bench {
    std::mutex mutex;
    std::map<std::string, std::string> held;    // by label: the User MMSI the radio holds
    std::map<std::string, std::string> failing; // by label: "throw", or the reason it fails with
    std::map<std::string, int> programmed;      // by User MMSI of the configuration written
    int inFlight = 0;
    int mostInFlight = 0;
    int overlap = 1;     // a program waits until this many ran side by side
    int silentUntil = 0; // a port without a radio says so once this many were programmed
};

class FakeStation : public FleetStation {
  public:
    FakeStation(std::string device, Bench& bench, bool radioComes = true)
        : device_(std::move(device)), bench_(bench), radioComes_(radioComes)
    {
    }

    std::string device() const override { return device_; }

    bool awaitRadio(const FleetJob&, std::string& reason) override
    {
        reason = "no radio answers";
        if (!radioComes_)
            test::waitFor([this] {
                const std::lock_guard guard(bench_.mutex);
                int done = 0;
                for (const auto& [mmsi, times] : bench_.programmed)
                    done += times;
                return done >= bench_.silentUntil;
            });
        return radioComes_;
    }

    FleetResult programRadio(const FleetJob& job, const IdentityCheck& mayProgram) override
    {
        std::unique_lock lock(bench_.mutex);
        if (const auto why = mayProgram(bench_.held[job.radio.label]))
            return {FleetOutcome::Skipped, *why, {}};
        job.report(FleetPhase::Programming, 50);
        bench_.mostInFlight = std::max(bench_.mostInFlight, ++bench_.inFlight);
        lock.unlock();
        const bool sideBySide = test::waitFor([this] {
            const std::lock_guard guard(bench_.mutex);
            return bench_.mostInFlight >= bench_.overlap;
        });
        lock.lock();
        --bench_.inFlight;
        const std::string failure = bench_.failing[job.radio.label];
        if (failure == "throw") throw std::runtime_error("out of order");
        if (!sideBySide || !failure.empty())
            return {FleetOutcome::Failed, sideBySide ? failure : "alone", {}};
        ++bench_.programmed[job.records.userMmsi];
        return {FleetOutcome::Complete, {}, "backup-" + job.radio.userMmsi};
    }

  private:
    std::string device_;
    Bench& bench_;
    bool radioComes_;
};

// Every change told, in order; cancels the fleet once `cancelAfter` radios
// finished, or once a port waits for the row `cancelWaitingFor`.
struct Watcher : FleetObserver {
    void radioChanged(const FleetRadio& radio) override
    {
        seen.push_back(radio);
        if (radio.phase == FleetPhase::Finished && ++finished == cancelAfter && scheduler)
            scheduler->cancel();
        if (radio.phase == FleetPhase::Waiting && radio.row == cancelWaitingFor && scheduler)
            scheduler->cancel();
    }
    std::vector<FleetRadio> seen;
    int finished = 0;
    int cancelAfter = 0;
    std::size_t cancelWaitingFor = SIZE_MAX;
    FleetScheduler* scheduler = nullptr;
};

class FleetSchedulerTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        FleetProblems problems;
        list = FleetList::parse("Label,User MMSI\nA,366000001\nB,366000002\nC,366000003\nD,366000004\n"
                                "E,366000005\nF,366000006\n",
                                problems);
        ASSERT_TRUE(problems.empty());
    }

    FleetSummary run(const std::vector<FleetStation*>& stations, FleetLog& log, bool again = false)
    {
        const FleetPlan plan{list, base, image, ModelMr4400, {}, again};
        FleetScheduler scheduler(plan, log, &watcher);
        watcher.scheduler = &scheduler;
        return scheduler.run(stations);
    }

    static std::vector<std::string> outcomes(const FleetSummary& summary)
    {
        std::vector<std::string> words;
        for (const FleetRadio& radio : summary.radios)
            words.push_back(fleetOutcomeText(radio.outcome) +
                            (radio.reason.empty() ? "" : ": " + radio.reason));
        return words;
    }

    FleetList list;
    Records base;
    MemoryImage image;
    Bench bench;
    Watcher watcher;
};

TEST_F(FleetSchedulerTest, severalPortsProgramSideBySideEachRadioOnceAndLogIt)
{
    bench.overlap = 3;
    FakeStation one("/dev/a", bench), two("/dev/b", bench), three("/dev/c", bench);
    std::string reason;
    auto log = FleetLog::open((test::scratchFolder() / "log.csv").string(), reason);
    ASSERT_TRUE(log) << reason;
    const FleetSummary summary = run({&one, &two, &three}, *log);
    EXPECT_TRUE(summary.succeeded()) << summary.text(list);
    EXPECT_EQ(bench.mostInFlight, 3);
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(bench.programmed["36600000" + std::to_string(n) + "0"], 1) << n;
    const auto reread = FleetLog::open(log->path(), reason);
    ASSERT_TRUE(reread) << reason;
    EXPECT_EQ(reread->lines().size(), 6u);
    for (const FleetRadio& radio : summary.radios)
        EXPECT_EQ(radio.backupName, "backup-" + list.rows[radio.row].userMmsi);
    const auto programming = std::count_if(watcher.seen.begin(), watcher.seen.end(), [](const FleetRadio& r) {
        return r.phase == FleetPhase::Programming;
    });
    EXPECT_EQ(programming, 6);
}

TEST_F(FleetSchedulerTest, aFailedOrForeignRadioDoesNotStopTheFleet)
{
    bench.held = {{"B", "3660000020"}, {"C", "366999999"}};
    bench.failing = {{"D", "Communication Error!!"}, {"E", "throw"}};
    FakeStation port("/dev/a", bench);
    FleetLog log;
    EXPECT_EQ(outcomes(run({&port}, log)),
              (std::vector<std::string>{
                  "complete", "complete", "skipped: the radio already holds User MMSI 366999999",
                  "failed: Communication Error!!", "failed: internal error: out of order", "complete"}));
    ASSERT_EQ(log.lines().size(), 6u);
    EXPECT_EQ(log.lines()[2].outcome, "skipped");
    bench.failing.clear();
    const FleetSummary again = run({&port}, log, true);
    EXPECT_TRUE(again.succeeded()) << again.text(list);
    EXPECT_EQ(bench.programmed["3660000030"], 1);
}

TEST_F(FleetSchedulerTest, aRerunSkipsWhatTheLogHasDone)
{
    FleetLog log;
    std::string reason;
    log.add({"2026-01-02T10:00:00Z", "/dev/a", "A", "366000001", "complete", "b", ""}, reason);
    log.add({"2026-01-02T10:00:00Z", "/dev/a", "B", "366000002", "failed", "", "Communication Error!!"},
            reason);
    FakeStation port("/dev/a", bench);
    const FleetSummary summary = run({&port}, log);
    EXPECT_EQ(summary.radios[0].outcome, FleetOutcome::AlreadyDone);
    EXPECT_EQ(summary.radios[0].reason, "programmed 2026-01-02T10:00:00Z (the log)");
    EXPECT_EQ(bench.programmed.count("3660000010"), 0u);
    EXPECT_EQ(bench.programmed["3660000020"], 1);
    EXPECT_TRUE(summary.succeeded());
    const std::string text = summary.text(list);
    EXPECT_EQ(
        text.substr(0, text.find('\n')),
        "1 of 6  A  366000001  /dev/a  already done: programmed 2026-01-02T10:00:00Z (the log) (backup b)");
    EXPECT_NE(text.find("\n6 radios: 5 complete, 1 already done\n"), std::string::npos) << text;
    run({&port}, log, true);
    EXPECT_EQ(bench.programmed["3660000010"], 1);
}

TEST_F(FleetSchedulerTest, cancelLetsTheRunningRadioFinishAndStartsNoOther)
{
    watcher.cancelAfter = 2;
    FakeStation port("/dev/a", bench);
    std::string reason;
    const std::string path = (test::scratchFolder() / "gone" / "log.csv").string();
    auto log = FleetLog::open(path, reason);
    ASSERT_TRUE(log) << reason;
    const FleetSummary summary = run({&port}, *log);
    EXPECT_EQ(outcomes(summary)[1], "complete");
    EXPECT_EQ(outcomes(summary)[2], "not programmed: cancelled before a port took it");
    EXPECT_EQ(summary.count(FleetOutcome::NotProgrammed), 4u);
    watcher.cancelWaitingFor = 0;
    FleetLog unwritten;
    EXPECT_EQ(outcomes(run({&port}, unwritten))[0], "not programmed: cancelled while /dev/a waited for it");
    EXPECT_EQ(log->lines().size(), 2u);
    EXPECT_EQ(summary.logProblem,
              path + ": " + test::missingFolderError().text); // told once, the fleet went on
}

TEST_F(FleetSchedulerTest, aPortWithoutARadioHandsItsRowToAnother)
{
    FakeStation silent("/dev/silent", bench, false), port("/dev/a", bench);
    bench.silentUntil = 5; // the other port has run out of rows meanwhile
    FleetLog log;
    const FleetSummary both = run({&silent, &port}, log);
    EXPECT_TRUE(both.succeeded()) << both.text(list);
    for (const FleetRadio& radio : both.radios)
        EXPECT_EQ(radio.device, "/dev/a");
    const FleetSummary alone = run({&silent}, log, true);
    EXPECT_EQ(outcomes(alone)[0], "not programmed: no port left; /dev/silent: no radio answers");
}

} // namespace
} // namespace zmp
