#include "link/linksender.h"

#include <vector>

#include "link/linkframe.h"

namespace zmp {

void LinkSender::sendFrame(const std::string& word, const std::string& address, const std::string& length,
                           const std::string& data) const
{
    write(LinkFrame::build(word, address, length, data));
}

void LinkSender::sendWord(const std::string& text) const
{
    write(text + "\r\n");
}

void LinkSender::sendByte(std::uint8_t byte) const
{
    context_.port.flush();
    write(std::string(1, static_cast<char>(byte)));
}

void LinkSender::write(const std::string& bytes) const
{
    context_.pause(SendPauseMs);
    context_.port.write(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

} // namespace zmp
