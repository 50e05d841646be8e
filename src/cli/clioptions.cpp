#include "cli/clioptions.h"

#include <map>

#include "cli/portscommand.h"
#include "files/textvalue.h"
#include "model/models.h"

namespace zmp {

namespace {

template <bool CliOptions::*member>
bool setFlag(CliOptions& options, const std::string&, std::string&)
{
    options.*member = true;
    return true;
}

template <std::optional<std::string> CliOptions::*member>
bool setText(CliOptions& options, const std::string& value, std::string&)
{
    options.*member = value;
    return true;
}

bool addPort(CliOptions& options, const std::string& device, std::string&)
{
    if (!options.port) options.port = device;
    options.ports.push_back(device);
    return true;
}

bool setGroupMmsi(CliOptions& options, const std::string& value, std::string&)
{
    options.groupMmsi = value;
    return true;
}

bool setModel(CliOptions& options, const std::string& value, std::string& error)
{
    const auto model = TextValue::number(value);
    if (!model || *model != static_cast<int>(*model) || !isKnownModel(static_cast<int>(*model))) {
        error = "unknown model number: " + value + " (" + modelNumbersText() + ")";
        return false;
    }
    options.model = static_cast<int>(*model);
    return true;
}

// The table, one entry an option, in the order of --help.
// NOLINTNEXTLINE(readability-function-size)
std::vector<CliOption> makeOptions()
{
    const std::string fleet = "Fleet";
    return {
        {{"--program-dir", "", "DIR", "folder of global.ini, destination files and err.log", "",
          UsageValue::Folder},
         &setText<&CliOptions::programDir>},
        {{"--model",
          "",
          "N",
          modelNumbersText() + " (default: as the editor starts)",
          "",
          UsageValue::Word,
          {"1", "11"}},
         &setModel},
        {{"--destination", "", "NAME", "destination of every new image (default: the remembered one)"},
         &setText<&CliOptions::destination>},
        {{"--port",
          "",
          "DEV",
          "serial device, e.g. /dev/ttyUSB0 or COM3 (default: the editor's port number); auto: the one "
          "device "
          "a radio answers on (exit 2 when several answer); fleet program: once a port, auto for every "
          "device "
          "a radio answers on; ports --probe: the "
          "devices to probe",
          "",
          UsageValue::Device,
          {PortsCommand::Auto}},
         &addPort,
         true},
        {{"--slow", "", "", "keep the transfer at 19200 baud"}, &setFlag<&CliOptions::slow>},
        {{"--debug", "", "", "link status lines on stderr, err.log written"}, &setFlag<&CliOptions::debug>},
        {{"--yes", "", "",
          "answer OK / Retry to the link's questions (each at most three times and for 30 s), and yes to "
          "clear's question"},
         &setFlag<&CliOptions::yes>},
        {{"--no-verify", "", "", "program without reading the written ranges back"},
         &setFlag<&CliOptions::noVerify>},
        {{"--probe", "", "",
          "ports: wake each device no other program holds with one byte and ask the ones that echo for "
          "their model code"},
         &setFlag<&CliOptions::probe>},
        {{"--raw", "", "", "write a .hex output exactly as the image stands"}, &setFlag<&CliOptions::raw>},
        {{"--no-backup", "", "", "keep no backup of what read and program transfer"},
         &setFlag<&CliOptions::noBackup>},
        {{"--backup-radio", "", "", "program: first read the radio and keep what it held in the backups"},
         &setFlag<&CliOptions::backupRadio>},
        {{"--json", "", "",
          "diff, check, backups, destinations, ports: one JSON array of objects, null for an empty field"},
         &setFlag<&CliOptions::json>},
        {{"--help", "-h", "", "this text; after a command, that command's usage"},
         &setFlag<&CliOptions::help>},
        {{"--version", "", "", "the version"}, &setFlag<&CliOptions::version>},
        {{"--fill-directory", "", "", "the other radios into each Individual Directory", fleet},
         &setFlag<&CliOptions::fillDirectory>},
        {{"--group-mmsi", "", "0MIDXXXXX", "the fleet's group MMSI as Group ID 1", fleet}, &setGroupMmsi},
        {{"--accept-warnings", "", "", "accept a list whose problems are warnings only", fleet},
         &setFlag<&CliOptions::acceptWarnings>},
        {{"--log", "", "LOG.csv",
          "one line per radio as it finishes; a rerun with the same log skips the radios it has done", fleet,
          UsageValue::File},
         &setText<&CliOptions::log>},
        {{"--again", "", "", "program radios the log has done and radios that already hold another User MMSI",
          fleet},
         &setFlag<&CliOptions::again>},
    };
}

const CliOption* findOption(const std::string& name)
{
    for (const CliOption& option : cliOptions())
        if (option.usage.name == name || option.usage.shortName == name) return &option;
    return nullptr;
}

// An option that holds one value refuses a second, different one rather
// than drop the first unseen.
bool takeValue(const CliOption& option, const std::string& value, CliOptions& options,
               std::map<std::string, std::string>& given, std::string& error)
{
    const std::string& name = option.usage.name;
    const auto earlier = given.find(name);
    if (!option.gathers && earlier != given.end() && earlier->second != value) {
        error = name + " given twice (" + earlier->second + ", " + value + "); give it once";
        return false;
    }
    given[name] = value;
    return option.set(options, value, error);
}

bool takeOption(const std::vector<std::string>& args, std::size_t& i, CliOptions& options,
                std::map<std::string, std::string>& given, std::string& error)
{
    const std::string& arg = args[i];
    const auto equals = arg.find('=');
    const CliOption* option = findOption(arg.substr(0, equals));
    const bool takesValue = option && !option->usage.value.empty();
    if (!option || (!takesValue && equals != std::string::npos)) {
        error = "unknown option: " + arg;
        return false;
    }
    if (!takesValue) return option->set(options, {}, error);
    if (equals != std::string::npos) return takeValue(*option, arg.substr(equals + 1), options, given, error);
    if (i + 1 >= args.size()) {
        error = "option " + option->usage.name + " needs a value";
        return false;
    }
    return takeValue(*option, args[++i], options, given, error);
}

} // namespace

const std::vector<CliOption>& cliOptions()
{
    static const std::vector<CliOption> options = makeOptions();
    return options;
}

bool CliOptions::parse(const std::vector<std::string>& args, CliOptions& options, std::string& error)
{
    bool optionsEnded = false;
    std::map<std::string, std::string> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            if (!takeOption(args, i, options, given, error)) return false;
        } else if (options.command.empty()) {
            options.command = arg;
        } else {
            options.arguments.push_back(arg);
        }
    }
    return true;
}

} // namespace zmp
