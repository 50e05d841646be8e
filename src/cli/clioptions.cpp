#include "cli/clioptions.h"

#include "files/textvalue.h"
#include "model/models.h"

namespace zmp {

namespace {

// Options that take a value, as "--name VALUE" or "--name=VALUE".
bool takesValue(const std::string& name)
{
    return name == "--program-dir" || name == "--model" || name == "--destination" || name == "--port" ||
           name == "--group-mmsi" || name == "--log";
}

bool setFlag(const std::string& name, CliOptions& options)
{
    if (name == "--slow")
        options.slow = true;
    else if (name == "--debug")
        options.debug = true;
    else if (name == "--yes")
        options.yes = true;
    else if (name == "--raw")
        options.raw = true;
    else if (name == "--no-verify")
        options.noVerify = true;
    else if (name == "--no-backup")
        options.noBackup = true;
    else if (name == "--fill-directory")
        options.fillDirectory = true;
    else if (name == "--accept-warnings")
        options.acceptWarnings = true;
    else if (name == "--again")
        options.again = true;
    else if (name == "-h" || name == "--help")
        options.help = true;
    else if (name == "--version")
        options.version = true;
    else
        return false;
    return true;
}

void addPort(const std::string& device, CliOptions& options)
{
    if (!options.port) options.port = device;
    options.ports.push_back(device);
}

bool setValue(const std::string& name, const std::string& value, CliOptions& options, std::string& error)
{
    if (name == "--program-dir")
        options.programDir = value;
    else if (name == "--destination")
        options.destination = value;
    else if (name == "--port")
        addPort(value, options);
    else if (name == "--log")
        options.log = value;
    else if (name == "--group-mmsi")
        options.groupMmsi = value;
    else {
        const auto model = TextValue::number(value);
        if (!model || *model != static_cast<int>(*model) || !isKnownModel(static_cast<int>(*model))) {
            error = "unknown model number: " + value + " (1 = MR4400, 11 = MR4400M)";
            return false;
        }
        options.model = static_cast<int>(*model);
    }
    return true;
}

bool takeOption(const std::vector<std::string>& args, std::size_t& i, CliOptions& options, std::string& error)
{
    const std::string& arg = args[i];
    const auto equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    if (!takesValue(name)) {
        if (equals == std::string::npos && setFlag(name, options)) return true;
        error = "unknown option: " + arg;
        return false;
    }
    if (equals != std::string::npos) return setValue(name, arg.substr(equals + 1), options, error);
    if (i + 1 >= args.size()) {
        error = "option " + name + " needs a value";
        return false;
    }
    return setValue(name, args[++i], options, error);
}

} // namespace

bool CliOptions::parse(const std::vector<std::string>& args, CliOptions& options, std::string& error)
{
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            if (!takeOption(args, i, options, error)) return false;
        } else if (options.command.empty()) {
            options.command = arg;
        } else {
            options.arguments.push_back(arg);
        }
    }
    return true;
}

} // namespace zmp
