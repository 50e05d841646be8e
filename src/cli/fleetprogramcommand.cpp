#include "cli/fleetprogramcommand.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "cli/clioptions.h"
#include "cli/portscommand.h"
#include "files/appsettings.h"
#include "fleet/fleetscheduler.h"
#include "fleetlink/linkstation.h"
#include "platform/fleetloglock.h"
#include "platform/portthreads.h"

namespace zmp {

namespace {

constexpr auto InterruptPoll = std::chrono::milliseconds(50);

// Each radio as it finishes, so that the user at the cable knows; and,
// when nobody is asked to press Enter, each radio a port waits for.
class FinishedRadioPrinter : public FleetObserver {
  public:
    FinishedRadioPrinter(const FleetList& list, std::ostream& err, bool tellWaiting)
        : list_(list), err_(err), tellWaiting_(tellWaiting)
    {
    }
    void radioChanged(const FleetRadio& radio) override
    {
        if (radio.phase == FleetPhase::Waiting && tellWaiting_) {
            err_ << "zmp-cli: waiting for " << named(radio)
                 << ": connect it, switched on and in PC mode (Ctrl+C stops)\n";
            return;
        }
        if (radio.phase != FleetPhase::Finished || radio.outcome == FleetOutcome::AlreadyDone ||
            radio.outcome == FleetOutcome::NotProgrammed)
            return;
        err_ << "zmp-cli: " << named(radio) << ": " << fleetOutcomeText(radio.outcome)
             << (radio.reason.empty() ? "" : ": " + radio.reason) << '\n';
    }

  private:
    // "radio 3 of 12 (Sea Breeze, 366123456) on /dev/ttyUSB0"
    std::string named(const FleetRadio& radio) const
    {
        const FleetRow& row = list_.rows[radio.row];
        return "radio " + std::to_string(radio.row + 1) + " of " + std::to_string(list_.rows.size()) + " (" +
               row.label + ", " + row.userMmsi + ") on " + radio.device;
    }

    const FleetList& list_;
    std::ostream& err_;
    bool tellWaiting_;
};

std::optional<FleetLog> openLog(const CliOptions& options, FleetLogLock& lock, std::ostream& err)
{
    if (!options.log) return FleetLog();
    std::string reason;
    std::optional<FleetLog> log;
    if (lock.lock(*options.log, reason)) log = FleetLog::open(*options.log, reason);
    if (log && !log->save(reason)) log.reset();
    if (!log) err << "zmp-cli: " << *options.log << ": " << reason << " (no radio was touched)\n";
    return log;
}

// One port asks on a terminal; with --yes, or several ports, each port probes.
bool asksOnTerminal(const CliOptions& options, std::size_t portCount)
{
    return !options.yes && portCount <= 1;
}

std::unique_ptr<RadioWait> radioWait(CliSession& session, std::size_t portCount, std::ostream& err,
                                     std::istream& in)
{
    if (!asksOnTerminal(session.options(), portCount)) return std::make_unique<ProbedWait>();
    if (!session.environment().stdinIsTerminal) return nullptr;
    return std::make_unique<PromptedWait>([&err, &in](const std::string& request) {
        err << request << ' ' << std::flush;
        std::string line;
        return static_cast<bool>(std::getline(in, line));
    });
}

int noTerminal(std::ostream& err)
{
    err << "zmp-cli: no terminal to ask for each radio on; --yes waits for each radio by itself\n";
    return ExitUsage;
}

// A device to open (empty: the remembered port number) and its name for the user.
struct StationPort {
    std::string device;
    std::string shown;
};

void addPort(std::vector<StationPort>& ports, const std::string& device)
{
    for (const StationPort& port : ports)
        if (port.device == device) return;
    ports.push_back({device, device});
}

// The devices given, auto standing for every device a radio answers on now;
// nothing when auto finds none (told on err).
std::optional<std::vector<StationPort>> stationPorts(CliSession& session, std::ostream& err)
{
    std::vector<StationPort> ports;
    for (const std::string& device : session.options().ports) {
        if (device != PortsCommand::Auto) {
            addPort(ports, device);
            continue;
        }
        const std::vector<std::string> radios = PortsCommand::findRadios(session, err);
        if (radios.empty()) return std::nullopt;
        for (const std::string& radio : radios)
            addPort(ports, radio);
    }
    if (!ports.empty()) return ports;
    CliEnvironment& environment = session.environment();
    const int number = AppSettings(environment.settings).comNum();
    return std::vector<StationPort>{
        {"", environment.portDevice ? environment.portDevice(number) : "port " + std::to_string(number)}};
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
    // auto may find several radios, and then there is nothing to ask.
    const bool portAuto = std::ranges::find(options.ports, PortsCommand::Auto) != options.ports.end();
    if (!portAuto && asksOnTerminal(options, options.ports.size()) && !environment.stdinIsTerminal)
        return noTerminal(err);
    if (!environment.makePort) {
        err << "zmp-cli: the radio commands are not available in this build\n";
        return ExitFailed;
    }
    const std::optional<std::vector<StationPort>> ports = stationPorts(session, err);
    if (!ports) return ExitFailed;
    const std::unique_ptr<RadioWait> wait = radioWait(session, ports->size(), err, in);
    if (!wait) return noTerminal(err);
    FleetLogLock logLock;
    std::optional<FleetLog> log = openLog(options, logLock, err);
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
    for (const StationPort& port : *ports) {
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
    FinishedRadioPrinter printer(list, err, !asksOnTerminal(options, ports->size()));
    FleetScheduler scheduler(plan, *log, &printer);
    if (environment.transferActive) environment.transferActive(true);
    const FleetSummary summary = runWatched(scheduler, running, environment.interrupted);
    if (environment.transferActive) environment.transferActive(false);
    out << summary.text(list);
    if (environment.interrupted && *environment.interrupted) return ExitCancelled;
    return summary.succeeded() ? ExitSuccess : ExitFailed;
}

} // namespace zmp
