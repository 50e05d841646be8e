#include "usage/helptext.h"

#include <algorithm>

namespace zmp {

namespace {

constexpr std::size_t TermWidth = 25;
constexpr std::size_t LineWidth = 80;

// The help's words filled into lines that end before the line width, each
// line after the first indented to the right column.
std::string wrapped(const std::string& help, const std::string& indent)
{
    std::string text;
    std::size_t column = indent.size();
    std::size_t at = help.find_first_not_of(" \n");
    while (at != std::string::npos) {
        const std::size_t end = std::min(help.find_first_of(" \n", at), help.size());
        const std::string word = help.substr(at, end - at);
        if (column > indent.size() && column + 1 + word.size() > LineWidth) {
            text += "\n" + indent;
            column = indent.size();
        }
        text += (column > indent.size() ? " " : "") + word;
        column += (column > indent.size() ? 1 : 0) + word.size();
        at = help.find_first_not_of(" \n", end);
    }
    return text;
}

// term in the left column, the help in the right one; a term too wide
// for its column gets a line of its own.
std::string row(const std::string& term, const std::string& help)
{
    const std::string indent(TermWidth + 2, ' ');
    std::string text = "  " + term;
    if (term.size() >= TermWidth)
        text += "\n" + indent;
    else
        text += std::string(TermWidth - term.size(), ' ');
    return text + wrapped(help, indent) + '\n';
}

std::string commandTerm(const UsageCommand& command)
{
    return command.arguments.empty() ? command.name : command.name + " " + command.arguments;
}

std::string optionRows(const ProgramUsage& usage)
{
    std::string text;
    std::string group;
    for (const UsageOption& option : usage.options) {
        if (option.group != group) text += "\n" + option.group + ":\n";
        group = option.group;
        text += row(HelpText::optionTerm(option), option.help);
    }
    return text;
}

} // namespace

std::string HelpText::optionTerm(const UsageOption& option)
{
    std::string term = option.shortName.empty() ? option.name : option.shortName + ", " + option.name;
    return option.value.empty() ? term : term + " " + option.value;
}

std::string HelpText::program(const ProgramUsage& usage)
{
    std::string text = "Usage: " + usage.name + " " + usage.synopsis + "\n";
    if (!usage.summary.empty()) text += "\n" + wrapped(usage.summary, "") + "\n";
    if (!usage.commands.empty()) text += "\nCommands:\n";
    for (const UsageCommand& command : usage.commands)
        text += row(commandTerm(command), command.help);
    text += "\nOptions:\n" + optionRows(usage);
    if (!usage.notes.empty()) text += "\n" + wrapped(usage.notes, "") + "\n";
    if (!usage.exitStatus.empty()) text += "\n" + wrapped("Exit status: " + usage.exitStatus, "") + "\n";
    return text;
}

std::string HelpText::command(const ProgramUsage& usage, const UsageCommand& command)
{
    return "Usage: " + usage.name + " [OPTIONS] " + commandTerm(command) + "\n\n" +
           wrapped(command.help, "") + "\n\nThe options and exit statuses: " + usage.name + " --help\n";
}

} // namespace zmp
