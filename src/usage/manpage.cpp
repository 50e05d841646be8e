#include "usage/manpage.h"

namespace zmp {

namespace {

std::string bold(const std::string& text)
{
    return "\\fB" + ManPage::escaped(text) + "\\fR";
}

std::string italic(const std::string& text)
{
    return "\\fI" + ManPage::escaped(text) + "\\fR";
}

// One paragraph of help, on one line: roff fills it.
std::string paragraph(const std::string& help)
{
    std::string text = ManPage::escaped(help);
    for (char& c : text)
        if (c == '\n') c = ' ';
    return text;
}

std::string commands(const ProgramUsage& usage)
{
    std::string text;
    for (const UsageCommand& command : usage.commands) {
        text += ".TP\n" + bold(command.name);
        if (!command.arguments.empty()) text += " " + italic(command.arguments);
        text += "\n" + paragraph(command.help) + "\n";
    }
    return text;
}

std::string options(const ProgramUsage& usage)
{
    std::string text;
    std::string group;
    for (const UsageOption& option : usage.options) {
        if (option.group != group) text += ".SS " + ManPage::escaped(option.group) + "\n";
        group = option.group;
        text += ".TP\n" + (option.shortName.empty() ? "" : bold(option.shortName) + ", ") + bold(option.name);
        if (!option.value.empty()) text += " " + italic(option.value);
        text += "\n" + paragraph(option.help) + "\n";
    }
    return text;
}

} // namespace

std::string ManPage::escaped(const std::string& text)
{
    std::string roff;
    bool lineStart = true;
    for (const char c : text) {
        if (lineStart && (c == '.' || c == '\'')) roff += "\\&";
        if (c == '\\')
            roff += "\\e";
        else if (c == '-')
            roff += "\\-";
        else
            roff += c;
        lineStart = c == '\n';
    }
    return roff;
}

std::map<std::string, std::string> ManPage::parts(const ProgramUsage& usage, const std::string& version)
{
    return {{"COMMANDS", commands(usage)},
            {"OPTIONS", options(usage)},
            {"EXIT_STATUS", paragraph(usage.exitStatus) + "\n"},
            {"PROJECT_VERSION", version}};
}

bool fillTemplate(std::string& text, const std::map<std::string, std::string>& parts, std::string& missing)
{
    std::string filled;
    std::size_t at = 0;
    for (std::size_t open = text.find('@'); open != std::string::npos; open = text.find('@', open + 1)) {
        const std::size_t close = text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ_", open + 1);
        if (close == std::string::npos || close == open + 1 || text[close] != '@') continue;
        const auto part = parts.find(text.substr(open + 1, close - open - 1));
        if (part == parts.end()) {
            missing = text.substr(open, close - open + 1);
            return false;
        }
        filled += text.substr(at, open - at) + part->second;
        at = close + 1;
        open = close;
    }
    text = filled + text.substr(at);
    return true;
}

} // namespace zmp
