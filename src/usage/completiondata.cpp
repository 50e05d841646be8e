#include "usage/completiondata.h"

namespace zmp {

namespace {

void addWord(std::string& list, const std::string& word)
{
    if (!word.empty()) list += (list.empty() ? "" : " ") + word;
}

std::string wordLine(const std::string& name, std::size_t position, const std::vector<std::string>& words)
{
    std::string line = name + " " + std::to_string(position);
    for (const std::string& word : words)
        line += " " + word;
    return line + "\n";
}

} // namespace

std::map<std::string, std::string> CompletionData::parts(const ProgramUsage& usage)
{
    std::map<std::string, std::string> parts{{"COMMANDS", ""},       {"OPTIONS", ""},
                                             {"VALUE_OPTIONS", ""},  {"FOLDER_OPTIONS", ""},
                                             {"DEVICE_OPTIONS", ""}, {"WORDS", ""}};
    for (const UsageCommand& command : usage.commands) {
        addWord(parts["COMMANDS"], command.name);
        if (!command.words.empty())
            parts["WORDS"] += wordLine(command.name, command.firstIsFile ? 2 : 1, command.words);
    }
    for (const UsageOption& option : usage.options) {
        addWord(parts["OPTIONS"], option.shortName);
        addWord(parts["OPTIONS"], option.name);
        if (!option.value.empty()) addWord(parts["VALUE_OPTIONS"], option.name);
        if (option.completes == UsageValue::Folder) addWord(parts["FOLDER_OPTIONS"], option.name);
        if (option.completes == UsageValue::Device) addWord(parts["DEVICE_OPTIONS"], option.name);
        if (!option.words.empty()) parts["WORDS"] += wordLine(option.name, 0, option.words);
    }
    return parts;
}

} // namespace zmp
