#include "cli/portscommand.h"

#include "cli/jsondocument.h"
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

std::string probeJson(const std::vector<ProbeResult>& results)
{
    JsonDocument json;
    for (const ProbeResult& result : results) {
        json.beginObject();
        json.add("device", result.device);
        json.add("radio", result.verdict == ProbeVerdict::Radio);
        json.add("result", result.text());
    }
    return json.text();
}

std::string holderOf(const CliEnvironment& environment, const std::string& device)
{
    return environment.portHeldElsewhere ? environment.portHeldElsewhere(device) : std::string();
}

std::string listJson(const CliEnvironment& environment, const std::vector<ListedPort>& ports)
{
    JsonDocument json;
    for (const ListedPort& port : ports) {
        json.beginObject();
        json.add("device", port.device);
        json.add("label", port.label);
        json.add("busy", holderOf(environment, port.device));
    }
    return json.text();
}

int list(const CliOptions& options, CliEnvironment& environment, std::ostream& out, std::ostream& err)
{
    const std::vector<ListedPort> ports =
        environment.portCandidates ? environment.portCandidates() : std::vector<ListedPort>();
    if (options.json) out << listJson(environment, ports);
    if (ports.empty()) {
        err << "zmp-cli: the system lists no serial device\n";
        return ExitFailed;
    }
    if (options.json) return ExitSuccess;
    for (const ListedPort& port : ports) {
        const std::string holder = holderOf(environment, port.device);
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
    if (options.json)
        out << probeJson(results);
    else
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
    return options.probe ? probe(options, environment, out, err) : list(options, environment, out, err);
}

namespace {

// The devices a radio answers on; when there is none, that is told on err
// with every device's result.
std::vector<std::string> searchRadios(CliSession& session, std::ostream& err)
{
    const std::vector<std::string> devices = candidateDevices(session.environment());
    const std::vector<ProbeResult> results = finderOf(session).probeAll(devices);
    std::vector<std::string> radios = RadioFinder::radios(results);
    if (radios.empty()) {
        err << "zmp-cli: no radio found"
            << (devices.empty() ? ": the system lists no serial device" : "; is the radio on and in PC mode?")
            << '\n';
        printResults(err, results, "  ");
    }
    return radios;
}

} // namespace

std::optional<std::string> PortsCommand::findRadio(CliSession& session, std::ostream& err, int& status)
{
    const std::vector<std::string> radios = searchRadios(session, err);
    if (radios.size() == 1) {
        err << "zmp-cli: radio found on " << radios.front() << '\n';
        return radios.front();
    }
    status = radios.empty() ? ExitFailed : ExitUsage;
    if (radios.empty()) return std::nullopt;
    err << "zmp-cli: a radio answers on " << radios.size() << " devices; choose one with --port:\n";
    for (const std::string& radio : radios)
        err << "  " << radio << '\n';
    return std::nullopt;
}

std::vector<std::string> PortsCommand::findRadios(CliSession& session, std::ostream& err)
{
    const std::vector<std::string> radios = searchRadios(session, err);
    for (const std::string& radio : radios)
        err << "zmp-cli: radio found on " << radio << '\n';
    return radios;
}

} // namespace zmp
