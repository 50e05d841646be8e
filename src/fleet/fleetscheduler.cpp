#include "fleet/fleetscheduler.h"

#include <exception>
#include <thread>

#include "backup/backuptime.h"
#include "fleet/fleetconfiguration.h"
#include "fleet/fleetidentity.h"

namespace zmp {

FleetScheduler::FleetScheduler(const FleetPlan& plan, FleetLog& log, FleetObserver* observer, Clock clock)
    : plan_(plan), log_(log), observer_(observer), clock_(std::move(clock))
{
}

void FleetScheduler::runOnThreads(const std::vector<std::function<void()>>& bodies)
{
    std::vector<std::jthread> threads;
    for (const auto& body : bodies)
        threads.emplace_back(body);
}

FleetSummary FleetScheduler::run(const std::vector<FleetStation*>& stations, const ThreadRunner& threads)
{
    start();
    std::vector<std::function<void()>> bodies;
    for (FleetStation* station : stations)
        bodies.emplace_back([this, station] { serve(*station); });
    threads(bodies);
    finishUntaken();
    const std::lock_guard lock(mutex_);
    return {radios_, logProblem_};
}

// Every row queued, but those the log has as done.
void FleetScheduler::start()
{
    const std::lock_guard lock(mutex_);
    queue_.clear();
    radios_.assign(plan_.list.rows.size(), {});
    for (std::size_t row = 0; row < radios_.size(); ++row) {
        radios_[row].row = row;
        const FleetLogLine* done = plan_.again ? nullptr : log_.doneLine(plan_.list.rows[row].userMmsi);
        if (!done) {
            queue_.push_back(row);
            continue;
        }
        FleetRadio& radio = radios_[row];
        radio.device = done->device;
        radio.phase = FleetPhase::Finished;
        radio.percent = 100;
        radio.outcome = FleetOutcome::AlreadyDone;
        radio.reason = "programmed " + done->time + " (the log)";
        radio.backupName = done->backup;
        tell(radio);
    }
}

void FleetScheduler::serve(FleetStation& station)
{
    const std::string device = station.device();
    std::size_t row = 0;
    while (take(row)) {
        update(row, [&device](FleetRadio& radio) {
            radio.device = device;
            radio.phase = FleetPhase::Waiting;
        });
        const Records records = FleetConfiguration::records(plan_.base, plan_.list, row, plan_.directory);
        const FleetJob job = jobFor(row, records);
        std::string reason;
        if (!station.awaitRadio(job, reason) || cancelled_) {
            giveBack(row, device, reason);
            return;
        }
        arrived();
        finish(row, device, programSafely(station, job));
    }
}

FleetJob FleetScheduler::jobFor(std::size_t row, const Records& records)
{
    return {.row = row,
            .number = static_cast<int>(row) + 1,
            .total = static_cast<int>(plan_.list.rows.size()),
            .radio = plan_.list.rows[row],
            .records = records,
            .image = plan_.image,
            .model = plan_.model,
            .cancelRequested = cancelled_,
            .report = [this, row](FleetPhase phase, int percent) {
                update(row, [phase, percent](FleetRadio& radio) {
                    radio.phase = phase;
                    radio.percent = percent;
                });
            }};
}

bool FleetScheduler::take(std::size_t& row)
{
    std::unique_lock lock(mutex_);
    // A free port stays while another still waits for its radio: that row
    // comes back if the radio does not. A cancel may come between the
    // check and the wait, hence the bound.
    constexpr auto Recheck = std::chrono::milliseconds(100);
    while (!cancelled_ && queue_.empty() && awaiting_ > 0)
        rowBack_.wait_for(lock, Recheck);
    if (cancelled_ || queue_.empty()) return false;
    row = queue_.front();
    queue_.pop_front();
    ++awaiting_;
    return true;
}

void FleetScheduler::arrived()
{
    {
        const std::lock_guard lock(mutex_);
        --awaiting_;
    }
    rowBack_.notify_all();
}

// A station that stops hands its row back for the others; cancelled, the
// radio it waited for is told so.
void FleetScheduler::giveBack(std::size_t row, const std::string& device, const std::string& why)
{
    const std::lock_guard lock(mutex_);
    queue_.push_front(row);
    --awaiting_;
    rowBack_.notify_all();
    FleetRadio& radio = radios_[row];
    if (cancelled_)
        radio.reason = "cancelled while " + device + " waited for it";
    else
        stopReason_ = device + ": " + why;
    radio.device.clear();
    radio.phase = FleetPhase::Queued;
    radio.percent = 0;
    tell(radio);
}

// A station that throws fails its radio, never the fleet.
FleetResult FleetScheduler::programSafely(FleetStation& station, const FleetJob& job)
{
    const FleetStation::IdentityCheck mayProgram = [this, &job](const std::string& held) {
        return identitySkipReason(held, job.radio.userMmsi, plan_.again);
    };
    try {
        return station.programRadio(job, mayProgram);
    } catch (const std::exception& error) {
        return {FleetOutcome::Failed, std::string("internal error: ") + error.what(), {}};
    } catch (...) {
        return {FleetOutcome::Failed, "internal error", {}};
    }
}

void FleetScheduler::finish(std::size_t row, const std::string& device, const FleetResult& result)
{
    const std::lock_guard lock(mutex_);
    FleetRadio& radio = radios_[row];
    radio.phase = FleetPhase::Finished;
    radio.outcome = result.outcome;
    radio.reason = result.reason;
    radio.backupName = result.backupName;
    const FleetRow& entry = plan_.list.rows[row];
    const FleetLogLine line{BackupTime::indexText(clock_()),
                            device,
                            entry.label,
                            entry.userMmsi,
                            fleetOutcomeText(result.outcome),
                            result.backupName,
                            result.reason};
    std::string reason;
    if (!log_.add(line, reason) && logProblem_.empty()) logProblem_ = log_.path() + ": " + reason;
    tell(radio);
}

void FleetScheduler::finishUntaken()
{
    const std::lock_guard lock(mutex_);
    const std::string reason = cancelled_            ? "cancelled before a port took it"
                               : stopReason_.empty() ? "no port took it"
                                                     : "no port left; " + stopReason_;
    for (const std::size_t row : queue_) {
        FleetRadio& radio = radios_[row];
        radio.phase = FleetPhase::Finished;
        radio.outcome = FleetOutcome::NotProgrammed;
        if (radio.reason.empty()) radio.reason = reason;
        tell(radio);
    }
    queue_.clear();
}

void FleetScheduler::update(std::size_t row, const std::function<void(FleetRadio&)>& change)
{
    const std::lock_guard lock(mutex_);
    change(radios_[row]);
    tell(radios_[row]);
}

void FleetScheduler::tell(const FleetRadio& radio)
{
    if (observer_) observer_->radioChanged(radio);
}

} // namespace zmp
