#include "support/recordinghost.h"

#include <algorithm>

namespace zmp::test {

LinkAnswer RecordingHost::showMessage(const LinkMessage& message)
{
    messages.push_back(message);
    if (!answers.empty()) {
        const LinkAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    if (unscripted_ == Unscripted::DefaultAnswer) return message.defaultAnswer;
    return message.buttons == LinkButtons::Ok ? LinkAnswer::Ok : LinkAnswer::Cancel;
}

void RecordingHost::processEvents()
{
    ++passes;
    if (eventLoop) eventLoop();
    if (onEvents) onEvents();
}

void RecordingHost::sleep(int ms)
{
    sleptMs += ms;
    clock_.pause(ms);
    if (sleepServesEvents && onEvents) onEvents();
}

std::vector<std::string> RecordingHost::messageTexts() const
{
    std::vector<std::string> texts;
    for (const LinkMessage& message : messages)
        texts.push_back(message.text);
    return texts;
}

bool RecordingHost::showed(const std::string& text) const
{
    const auto texts = messageTexts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

} // namespace zmp::test
