#include "cli/fleetprogramcommand.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <thread>

#include "cli/clioptions.h"
#include "files/appsettings.h"
#include "fleet/fleetscheduler.h"
#include "fleetlink/linkstation.h"
#include "platform/portthreads.h"

namespace zmp {

namespace {

constexpr auto InterruptPoll = std::chrono::milliseconds(50);

// Each radio as it finishes, so that the user at the cable knows.
class FinishedRadioPrinter : public FleetObserver {
  public:
    FinishedRadioPrinter(const FleetList& list, std::ostream& err) : list_(list), err_(err) {}
    void radioChanged(const FleetRadio& radio) override
    {
        if (radio.phase != FleetPhase::Finished || radio.outcome == FleetOutcome::AlreadyDone ||
            radio.outcome == FleetOutcome::NotProgrammed)
            return;
        const FleetRow& row = list_.rows[radio.row];
        err_ << "zmp-cli: radio " << radio.row + 1 << " of " << list_.rows.size() << " (" << row.label << ", "
             << row.userMmsi << ") on " << radio.device << ": " << fleetOutcomeText(radio.outcome)
             << (radio.reason.empty() ? "" : ": " + radio.reason) << '\n';
    }

  private:
    const FleetList& list_;
    std::ostream& err_;
};

std::optional<FleetLog> openLog(const CliOptions& options, std::ostream& err)
{
    if (!options.log) return FleetLog();
    std::string reason;
    std::optional<FleetLog> log = FleetLog::open(*options.log, reason);
    if (log && !log->save(reason)) log.reset();
    if (!log) err << "zmp-cli: " << *options.log << ": " << reason << " (no radio was touched)\n";
    return log;
}

// One port asks on a terminal; with --yes, or several ports, each port probes.
std::unique_ptr<RadioWait> radioWait(CliSession& session, std::ostream& err, std::istream& in)
{
    const CliOptions& options = session.options();
    if (options.yes || options.ports.size() > 1) return std::make_unique<ProbedWait>();
    if (!session.environment().stdinIsTerminal) return nullptr;
    return std::make_unique<PromptedWait>([&err, &in](const std::string& request) {
        err << request << ' ' << std::flush;
        std::string line;
        return static_cast<bool>(std::getline(in, line));
    });
}

// A device to open (empty: the remembered port number) and its name for the user.
struct StationPort {
    std::string device;
    std::string shown;
};

std::vector<StationPort> stationPorts(CliSession& session)
{
    std::vector<StationPort> ports;
    for (const std::string& device : session.options().ports)
        ports.push_back({device, device});
    if (!ports.empty()) return ports;
    CliEnvironment& environment = session.environment();
    const int number = AppSettings(environment.settings).comNum();
    return {{"", environment.portDevice ? environment.portDevice(number) : "port " + std::to_string(number)}};
}

// Ctrl+C cancels the fleet: the radios being programmed cancel cleanly.
FleetSummary runWatched(FleetScheduler& scheduler, const std::vector<FleetStation*>& stations,
                        const std::atomic<bool>* interrupted)
{
    std::atomic<bool> finished{false};
    std::jthread watcher([&] {
        while (!finished) {
            if (interrupted && *interrupted) scheduler.cancel();
            std::this_thread::sleep_for(InterruptPoll);
        }
    });
    FleetSummary summary = scheduler.run(stations, runOnPortThreads);
    finished = true;
    return summary;
}

} // namespace

int FleetProgramCommand::run(CliSession& session, const FleetList& list, std::ostream& out, std::ostream& err,
                             std::istream& in)
{
    CliEnvironment& environment = session.environment();
    const CliOptions& options = session.options();
    const std::unique_ptr<RadioWait> wait = radioWait(session, err, in);
    if (!wait) {
        err << "zmp-cli: no terminal to ask for each radio on; --yes waits for each radio by itself\n";
        return ExitUsage;
    }
    if (!environment.makePort) {
        err << "zmp-cli: the radio commands are not available in this build\n";
        return ExitFailed;
    }
    std::optional<FleetLog> log = openLog(options, err);
    if (!log) return ExitFailed;
    FleetBackups backups(options.noBackup ? std::string() : environment.backupDir, session.model(),
                         session.hasAtis(),
                         options.destination.value_or(
                             AppSettings(environment.settings).rememberedDestination(session.model())));
    const StationSettings settings{
        {AppSettings(environment.settings).comNum(), session.programDir(), !options.noVerify},
        session.flags()};
    std::vector<std::unique_ptr<LinkStation>> stations;
    std::vector<FleetStation*> running;
    for (const auto& port : stationPorts(session)) {
        stations.push_back(std::make_unique<LinkStation>(
            port.shown, [&environment, device = port.device] { return environment.makePort(device); }, *wait,
            backups, settings));
        running.push_back(stations.back().get());
    }
    const FleetPlan plan{list,
                         session.records(),
                         session.image(),
                         session.model(),
                         {options.fillDirectory, options.groupMmsi},
                         options.again};
    FinishedRadioPrinter printer(list, err);
    FleetScheduler scheduler(plan, *log, &printer);
    if (environment.transferActive) environment.transferActive(true);
    const FleetSummary summary = runWatched(scheduler, running, environment.interrupted);
    if (environment.transferActive) environment.transferActive(false);
    out << summary.text(list);
    if (environment.interrupted && *environment.interrupted) return ExitCancelled;
    return summary.succeeded() ? ExitSuccess : ExitFailed;
}

} // namespace zmp
