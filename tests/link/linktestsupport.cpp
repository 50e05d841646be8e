#include "linktestsupport.h"

#include <algorithm>

#include "link/linkframe.h"
#include "model/models.h"

namespace zmp::test {

bool ScriptedPort::open()
{
    openedWith.push_back(settings);
    open_ = opens;
    return opens;
}

int ScriptedPort::readByte()
{
    if (input.empty()) return -1;
    const auto byte = static_cast<unsigned char>(input.front());
    input.pop_front();
    return byte;
}

void ScriptedPort::write(const std::vector<std::uint8_t>& bytes)
{
    const std::string text(bytes.begin(), bytes.end());
    if (beforeWrite) beforeWrite(text);
    writes.push_back(text);
    if (open_ && responder) feed(responder(text));
}

void ScriptedPort::waitForInput(int ms, int wanted)
{
    if (static_cast<int>(input.size()) >= wanted) return;
    ++idleWaits;
    wantedCounts.push_back(wanted);
    clock_.now += ms;
}

std::vector<std::string> ScriptedPort::writesStartingWith(const std::string& prefix) const
{
    std::vector<std::string> found;
    for (const std::string& w : writes) {
        if (w.rfind(prefix, 0) == 0) found.push_back(w);
    }
    return found;
}

std::optional<SentFrame> parseFrame(const std::string& written)
{
    if (written.size() < 9 || written[0] != '#' || written.substr(written.size() - 2) != "\r\n")
        return std::nullopt;
    std::vector<std::string> fields = LinkFrame::fields(written.substr(0, written.size() - 2));
    if (fields.size() < 2) return std::nullopt;
    SentFrame frame;
    frame.word = fields[0];
    if (fields.size() >= 4) frame.address = static_cast<int>(LinkFrame::parseHex(fields[1]).value_or(0));
    if (fields.size() >= 4) frame.length = static_cast<int>(LinkFrame::parseHex(fields[2]).value_or(0));
    if (fields.size() >= 5) frame.data = fields[3];
    return frame;
}

MiniRadio::MiniRadio()
{
    memory.fill(0x5A);
    memory[0x0080] = 0x11;
    memory[0x0081] = 0x30;
    memory[0x7FFE] = 0x11;
    memory[0x7FFF] = 0x30;
    for (int i = 0; i < 6; ++i)
        memory[0x0100 + i] = static_cast<std::uint8_t>(ProductCode[i]);
}

void MiniRadio::attach(ScriptedPort& port)
{
    port.responder = [this](const std::string& written) { return answer(written); };
}

std::string MiniRadio::reply(const std::string& word, const std::string& fields)
{
    const std::string text = word + "\t" + fields;
    return text + LinkFrame::xorChecksum(text) + "\r\n";
}

std::string MiniRadio::dataReply(const MemoryImage& memory, int address, int length)
{
    std::string data;
    for (int i = 0; i < length; ++i)
        data += LinkFrame::length(memory[address + i]);
    return reply("#QMPDT",
                 LinkFrame::address(address) + "\t" + LinkFrame::length(length) + "\t" + data + "\t");
}

std::vector<SentFrame> MiniRadio::writeFrames() const
{
    std::vector<SentFrame> found;
    for (const SentFrame& f : frames) {
        if (f.word == "#QMPWR") found.push_back(f);
    }
    return found;
}

std::string MiniRadio::answer(const std::string& written)
{
    if (written == "P") return "P";
    if (written == "ACMD:002\r\n" || written == "#CMDSY\r\n")
        return written[0] == 'A' ? "OK\r\n" : "#CMDOK\r\n";
    if (written == "\x18") ++canCount;
    const auto frame = parseFrame(written);
    if (!frame || frame->word.rfind("#QMP", 0) != 0) return "";
    frames.push_back(*frame);
    if (fault) {
        if (auto replaced = fault(*frame, static_cast<int>(frames.size()) - 1)) return *replaced;
    }
    return answerFrame(*frame);
}

std::string MiniRadio::answerFrame(const SentFrame& frame)
{
    if (frame.word == "#QMPSR") return answerStatus();
    if (frame.word == "#QMPRD") return "#CMDOK\r\n" + dataReply(memory, frame.address, frame.length);
    if (frame.word == "#QMPWR") return answerWrite(frame);
    return "";
}

std::string MiniRadio::answerStatus()
{
    const bool busy = faults.busyStatusCount > 0;
    if (busy) --faults.busyStatusCount;
    return "#CMDOK\r\n" + reply("#QMPSD", (busy ? "01" : status) + "\t");
}

std::string MiniRadio::answerWrite(const SentFrame& frame)
{
    const auto covers = [&frame](int address) {
        return address >= frame.address && address < frame.address + frame.length;
    };
    if (covers(faults.refusedByte)) return "ERROR";
    for (int i = 0; i < frame.length; ++i) {
        memory[frame.address + i] = static_cast<std::uint8_t>(
            LinkFrame::parseHex(frame.data.substr(2 * static_cast<std::size_t>(i), 2)).value_or(0));
    }
    if (covers(faults.misstoredByte))
        memory[faults.misstoredByte] = std::uint8_t(~memory[faults.misstoredByte]);
    return "#CMDOK\r\n";
}

} // namespace zmp::test
