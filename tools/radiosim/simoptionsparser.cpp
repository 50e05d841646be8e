#include "radiosim/simoptionsparser.h"

#include <charconv>

#include "radiosim/linktext.h"
#include "usage/helptext.h"

namespace zmp::radiosim {

namespace {

bool parseCount(const std::string& text, int& value)
{
    const auto* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end && value >= 0;
}

bool parseAddress(const std::string& text, int& address)
{
    unsigned value = 0;
    const bool hex = text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0;
    if (hex ? !LinkText::parseHex(text.substr(2), value) : !parseCount(text, address)) return false;
    if (hex) address = value < 0x10000 ? int(value) : 0x10000;
    return address < 0x10000;
}

} // namespace

bool SimOptionsParser::parse(const std::vector<std::string>& args, SimOptions& options, std::string& error)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        const int values = valueCount(name);
        if (values < 0) {
            error = "unknown option " + name;
            return false;
        }
        if (values > 0 && i + 1 == args.size()) {
            error = "option " + name + " needs a value";
            return false;
        }
        const std::string value = values > 0 ? args[++i] : std::string();
        if (!parseOption(name, value, options)) {
            error = "bad value for " + name + ": " + value;
            return false;
        }
    }
    return true;
}

// 0 for a switch, 1 for an option with a value, -1 for an unknown name.
int SimOptionsParser::valueCount(const std::string& name)
{
    for (const UsageOption& option : programUsage().options)
        if (option.name == name || option.shortName == name) return option.value.empty() ? 0 : 1;
    return -1;
}

bool SimOptionsParser::parseOption(const std::string& name, const std::string& value, SimOptions& options)
{
    if (name == "--help" || name == "-h") {
        options.help = true;
        return true;
    }
    if (name == "--version") {
        options.version = true;
        return true;
    }
    if (name == "--image")
        options.imagePath = value;
    else if (name == "--log")
        options.logPath = value;
    else if (name == "--dump")
        options.dumpPath = value;
    else if (name == "--link")
        options.linkPath = value;
    else if (name == "--baud" && value == "line")
        options.baud = SimOptions::FollowLine;
    else if (name == "--baud")
        return parseCount(value, options.baud);
    else if (name == "--poke") {
        SimOptions::Poke poke;
        if (!parsePoke(value, poke)) return false;
        options.pokes.push_back(poke);
    } else
        return parseFault(name, value, options.faults);
    return !value.empty();
}

bool SimOptionsParser::parseFault(const std::string& name, const std::string& value, FaultPlan& faults)
{
    if (name == "--acmd-error") {
        faults.refuseLinkMode = true;
        return true;
    }
    if (name == "--silent") {
        faults.silent = true;
        return true;
    }
    if (name == "--acmd-reply") {
        faults.linkModeReply = value;
        return !value.empty();
    }
    if (name == "--sync-reply") {
        faults.syncReply = value;
        return !value.empty();
    }
    if (name == "--silent-after") return parseCount(value, faults.silentAfterFrames);
    if (name == "--model-code") return parseCount(value, faults.modelCode);
    if (name == "--no-answer") return faults.silentFrames.parse(value);
    if (name == "--error") return faults.refusedFrames.parse(value);
    if (name == "--bad-checksum") return faults.badChecksumReplies.parse(value);
    if (name == "--bad-address") return faults.badAddressReplies.parse(value);
    if (name == "--bad-length") return faults.badLengthReplies.parse(value);
    if (name == "--busy") return parseCount(value, faults.busyStatusCount);
    if (name == "--no-echo") return parseCount(value, faults.silentWakeUps);
    if (name == "--hangup-after") return parseCount(value, faults.hangUpAfterFrames);
    if (name == "--refuse-byte") return parseAddress(value, faults.refusedByte);
    if (name == "--misstore-byte") return parseAddress(value, faults.misstoredByte);
    if (name == "--reply-delay") return parseCount(value, faults.replyDelayMs);
    if (name == "--data-delay") return parseCount(value, faults.dataDelayMs);
    return false;
}

// ADDRESS=HEXBYTES, e.g. 0x0105=58 or 128=1131.
bool SimOptionsParser::parsePoke(const std::string& value, SimOptions::Poke& poke)
{
    const auto equals = value.find('=');
    if (equals == std::string::npos || !parseAddress(value.substr(0, equals), poke.address)) return false;
    const std::string data = value.substr(equals + 1);
    if (data.empty() || data.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < data.size(); i += 2) {
        unsigned byte = 0;
        if (!LinkText::parseHex(data.substr(i, 2), byte)) return false;
        poke.bytes.push_back(std::uint8_t(byte));
    }
    return true;
}

std::string SimOptionsParser::usage()
{
    return HelpText::program(programUsage());
}

// One entry an option, in the order of --help.
// NOLINTNEXTLINE(readability-function-size)
ProgramUsage SimOptionsParser::programUsage()
{
    const std::string faults = "Faults";
    return {
        "zmp-radio-sim",
        "[OPTIONS]",
        "Emulates a radio in PC-control mode on a pseudo-terminal; the first line of "
        "output is the device to open as the serial port. Stops on Ctrl+C, SIGTERM "
        "or SIGHUP, writing the --dump file.",
        {},
        {
            {"--image", "", "FILE", "start from a 32768-byte image file (default: a fresh radio)", "",
             UsageValue::File},
            {"--poke", "", "ADDR=HEX", "then overwrite bytes, e.g. 0x0105=58 (repeatable)"},
            {"--baud", "", "RATE|line",
             "pace the bytes at RATE bits/s, 0 for no pacing, or 'line' for the speed the computer set "
             "(default)"},
            {"--log", "", "FILE", "write a traffic log", "", UsageValue::File},
            {"--dump", "", "FILE", "write the memory to FILE on exit", "", UsageValue::File},
            {"--link", "", "PATH", "also reach the device through a symbolic link at PATH", "",
             UsageValue::File},
            {"--help", "-h", "", "this text"},
            {"--version", "", "", "the version"},
            {"--no-answer", "", "LIST", "give no answer to these frames", faults},
            {"--error", "", "LIST", "answer \"ERROR\" to these frames", faults},
            {"--busy", "", "N", "report busy to the first N status requests", faults},
            {"--refuse-byte", "", "ADDR", "answer \"ERROR\" to every write request covering ADDR", faults},
            {"--misstore-byte", "", "ADDR", "acknowledge writes covering ADDR but store another byte",
             faults},
            {"--bad-checksum", "", "LIST", "wrong checksum in these data replies", faults},
            {"--bad-address", "", "LIST", "wrong address in these data replies", faults},
            {"--bad-length", "", "LIST", "wrong length in these data replies", faults},
            {"--hangup-after", "", "N", "drop the line after answering frame N", faults},
            {"--no-echo", "", "N", "no echo to the first N wake-up bytes", faults},
            {"--acmd-error", "", "", "answer \"ERROR\" to \"ACMD:002\"", faults},
            {"--reply-delay", "", "MS", "pause before every answer", faults},
            {"--data-delay", "", "MS", "pause between an acknowledgement and its data reply", faults},
            {"--silent", "", "", "answer nothing at all (a radio off or not in PC mode)", faults},
            {"--silent-after", "", "N", "answer nothing after frame N", faults},
            {"--sync-reply", "", "TEXT", "answer TEXT, as it stands, to \"#CMDSY\"", faults},
            {"--acmd-reply", "", "TEXT", "answer the line TEXT to \"ACMD:002\"", faults},
            {"--model-code", "", "N", "report model code N", faults},
        },
        "LIST: 1-based ordinals such as 3 or 2,5-7; frames are status, read and write "
        "requests, counted with their retries.",
        "0 stopped as asked, 1 a file that cannot be read or written or no pseudo-terminal, 2 usage error."};
}

} // namespace zmp::radiosim
