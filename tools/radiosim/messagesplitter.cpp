#include "radiosim/messagesplitter.h"

namespace zmp::radiosim {

namespace {
constexpr std::uint8_t Can = 0x18;
}

std::optional<HostMessage> MessageSplitter::take(std::uint8_t byte)
{
    if (line_.empty()) return single(byte);
    if (byte == Can) {
        line_.clear();
        return HostMessage{HostMessage::Kind::Cancel, std::string(1, char(Can)), std::string(1, char(Can))};
    }
    line_ += static_cast<char>(byte);
    if (byte != '\n' && line_.size() < MaxLine) return std::nullopt;
    HostMessage message{HostMessage::Kind::Line, line_, line_};
    line_.clear();
    if (!message.text.empty() && message.text.back() == '\n') message.text.pop_back();
    if (!message.text.empty() && message.text.back() == '\r') message.text.pop_back();
    return message;
}

std::optional<HostMessage> MessageSplitter::single(std::uint8_t byte)
{
    const std::string text(1, static_cast<char>(byte));
    switch (byte) {
    case 'P':
        return HostMessage{HostMessage::Kind::WakeUp, text, text};
    case '0':
        return HostMessage{HostMessage::Kind::WakeUpFollow, text, text};
    case Can:
        return HostMessage{HostMessage::Kind::Cancel, text, text};
    case '\r':
    case '\n':
        return std::nullopt; // a stray line end carries nothing
    default:
        line_ = text;
        return std::nullopt;
    }
}

} // namespace zmp::radiosim
