#include "support/recordinghost.h"

#include <algorithm>

namespace zmp::test {

MessageAnswer RecordingHost::showMessage(const Message& message)
{
    messages.push_back(message);
    if (!answers.empty()) {
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    if (unscripted_ == Unscripted::DefaultAnswer) return message.defaultAnswer;
    return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
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
    for (const Message& message : messages)
        texts.push_back(message.text);
    return texts;
}

bool RecordingHost::showed(const std::string& text) const
{
    const auto texts = messageTexts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

} // namespace zmp::test
