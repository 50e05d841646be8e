#include "cli/clearquestion.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "message/controltext.h"

namespace zmp {

namespace {

// "Clear WayPoint Directory" -> "waypoint directory": the caption without
// its verb, each word in lower case unless it is an abbreviation (MMSI, DSC).
std::string target(OperationType type)
{
    std::istringstream words(operationCaption(type));
    std::string word;
    words >> word; // "Clear"
    std::string text;
    while (words >> word) {
        const bool abbreviation =
            std::none_of(word.begin(), word.end(), [](unsigned char c) { return std::islower(c); });
        if (!abbreviation)
            std::transform(word.begin(), word.end(), word.begin(),
                           [](unsigned char c) { return std::tolower(c); });
        text += (text.empty() ? "" : " ") + word;
    }
    return type == OperationType::ClearAll ? text : "the " + text;
}

} // namespace

std::string ClearQuestion::text(OperationType type, const std::string& device)
{
    return "Erase " + target(type) + " in the radio on " + device + "?";
}

ClearQuestion::Answer ClearQuestion::ask(OperationType type, const std::string& device, bool yes,
                                         bool terminal, std::istream& in, std::ostream& err)
{
    if (yes) return Answer::Erase;
    const std::string question = escapeControls(text(type, device));
    if (!terminal) {
        err << "zmp-cli: " << question << " (not erased; --yes answers yes)\n";
        return Answer::NobodyToAsk;
    }
    err << "zmp-cli: " << question << " [y/N] " << std::flush;
    std::string answer;
    std::getline(in, answer);
    return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y') ? Answer::Erase : Answer::Declined;
}

} // namespace zmp
