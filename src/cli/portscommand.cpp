#include "cli/portscommand.h"

#include "fleetlink/radiofinder.h"

namespace zmp {

namespace {

RadioFinder finderOf(CliSession& session)
{
    CliEnvironment& environment = session.environment();
    return {environment.makePort, environment.portHeldElsewhere, session.model(), session.flags()};
}

std::vector<std::string> candidateDevices(const CliEnvironment& environment)
{
    std::vector<std::string> devices;
    if (environment.portCandidates)
        for (const ListedPort& port : environment.portCandidates())
            devices.push_back(port.device);
    return devices;
}

void printResults(std::ostream& stream, const std::vector<ProbeResult>& results, const char* indent)
{
    for (const ProbeResult& result : results)
        stream << indent << result.device << ": " << result.text() << '\n';
}

int list(CliEnvironment& environment, std::ostream& out, std::ostream& err)
{
    const std::vector<ListedPort> ports =
        environment.portCandidates ? environment.portCandidates() : std::vector<ListedPort>();
    if (ports.empty()) {
        err << "zmp-cli: the system lists no serial device\n";
        return ExitFailed;
    }
    for (const ListedPort& port : ports) {
        const std::string holder =
            environment.portHeldElsewhere ? environment.portHeldElsewhere(port.device) : std::string();
        out << port.label << (holder.empty() ? "" : "  (busy: " + holder + ")") << '\n';
    }
    return ExitSuccess;
}

int probe(const CliOptions& options, CliEnvironment& environment, std::ostream& out, std::ostream& err)
{
    CliSession session(options, environment);
    if (!session.selectModel(err)) return ExitFailed;
    const std::vector<std::string> devices =
        options.ports.empty() ? candidateDevices(environment) : options.ports;
    if (devices.empty()) {
        err << "zmp-cli: the system lists no serial device\n";
        return ExitFailed;
    }
    const std::vector<ProbeResult> results = finderOf(session).probeAll(devices);
    printResults(out, results, "");
    return RadioFinder::radios(results).empty() ? ExitFailed : ExitSuccess;
}

} // namespace

int PortsCommand::run(const CliOptions& options, CliEnvironment& environment, std::ostream& out,
                      std::ostream& err, std::istream&)
{
    if (!environment.makePort) {
        err << "zmp-cli: the radio commands are not available in this build\n";
        return ExitFailed;
    }
    return options.probe ? probe(options, environment, out, err) : list(environment, out, err);
}

std::optional<std::string> PortsCommand::findRadio(CliSession& session, std::ostream& err, int& status)
{
    const std::vector<std::string> devices = candidateDevices(session.environment());
    const std::vector<ProbeResult> results = finderOf(session).probeAll(devices);
    const std::vector<std::string> radios = RadioFinder::radios(results);
    if (radios.size() == 1) {
        err << "zmp-cli: radio found on " << radios.front() << '\n';
        return radios.front();
    }
    if (radios.empty()) {
        status = ExitFailed;
        err << "zmp-cli: no radio found"
            << (devices.empty() ? ": the system lists no serial device" : "; is the radio on and in PC mode?")
            << '\n';
        printResults(err, results, "  ");
        return std::nullopt;
    }
    status = ExitUsage;
    err << "zmp-cli: a radio answers on " << radios.size() << " devices; choose one with --port:\n";
    for (const std::string& radio : radios)
        err << "  " << radio << '\n';
    return std::nullopt;
}

} // namespace zmp
