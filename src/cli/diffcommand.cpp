#include "cli/diffcommand.h"

#include <map>
#include <sstream>
#include <utility>

#include "cli/filecommands.h"
#include "files/configfilewriter.h"

namespace zmp {

namespace {

using Key = std::pair<std::string, std::string>;

std::map<Key, const DiffCommand::Entry*> indexed(const std::vector<DiffCommand::Entry>& entries)
{
    std::map<Key, const DiffCommand::Entry*> result;
    for (const auto& entry : entries)
        result.emplace(Key{entry.section, entry.key}, &entry);
    return result;
}

bool composeFile(const CliOptions& options, CliEnvironment& environment, const std::string& path,
                 std::ostream& err, std::string& text)
{
    CliSession session(options, environment);
    if (!session.selectModel(err) || !FileCommands::open(session, path, err)) return false;
    text = ConfigFileWriter::compose(session.records(), session.model(), session.hasAtis());
    return true;
}

bool isMmsiKey(const std::string& key)
{
    return key == "Mmsid" || key == "User MMSI";
}

// An MMSI has nine digits; the radio's memory holds ten, the tenth a 0. A
// file saved from the editor and the same configuration read back from the
// radio hold one MMSI in the two forms, which are the same number.
std::string comparable(const DiffCommand::Entry& entry)
{
    const std::string& value = entry.value;
    const bool tenDigits = value.size() == 10 && value.find_first_not_of("0123456789") == std::string::npos;
    if (isMmsiKey(entry.key) && tenDigits && value.back() == '0') return value.substr(0, 9);
    return value;
}

} // namespace

std::vector<DiffCommand::Entry> DiffCommand::entries(const std::string& text)
{
    std::vector<Entry> result;
    std::istringstream lines(text);
    std::string line;
    std::string section;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos) continue;
        std::string value = line.substr(equals + 1);
        if (!value.empty() && value.front() == '#') value.erase(0, 1);
        result.push_back({section, line.substr(0, equals), value});
    }
    return result;
}

int DiffCommand::compare(const std::vector<Entry>& a, const std::vector<Entry>& b, std::ostream& out)
{
    const auto inA = indexed(a);
    const auto inB = indexed(b);
    int differences = 0;
    for (const auto& entry : a) {
        const auto other = inB.find({entry.section, entry.key});
        const std::string value = other == inB.end() ? "" : other->second->value;
        if (other != inB.end() && comparable(*other->second) == comparable(entry)) continue;
        out << entry.section << ' ' << entry.key << ": " << entry.value << " -> " << value << '\n';
        ++differences;
    }
    for (const auto& entry : b) {
        if (inA.count({entry.section, entry.key})) continue;
        out << entry.section << ' ' << entry.key << ":  -> " << entry.value << '\n';
        ++differences;
    }
    return differences;
}

int DiffCommand::run(const CliOptions& options, CliEnvironment& environment,
                     const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     std::istream&)
{
    if (!FileCommands::checkInput(args[0], err) || !FileCommands::checkInput(args[1], err)) return ExitUsage;
    std::string a;
    std::string b;
    if (!composeFile(options, environment, args[0], err, a) ||
        !composeFile(options, environment, args[1], err, b))
        return ExitFailed;
    return compare(entries(a), entries(b), out) == 0 ? ExitSuccess : ExitFailed;
}

} // namespace zmp
