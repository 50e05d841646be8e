#include "radiosim/radioprotocol.h"

#include "codec/checksum.h"
#include "radiosim/linktext.h"

namespace zmp::radiosim {

namespace {

const std::string Ack = "#CMDOK\r\n";
const std::string Refusal = "ERROR"; // a refused frame gets the bare word, no line end
const std::string StatusRequest = "#QMPSR";
const std::string ReadRequest = "#QMPRD";
const std::string WriteRequest = "#QMPWR";
const std::string DataReply = "#QMPDT";
const std::string StatusReply = "#QMPSD";

bool covers(int address, int length, int target)
{
    return target >= 0 && address >= 0 && target >= address && target < address + length;
}

bool isHostReply(const std::string& line)
{
    return line == "#CMDOK" || line == "#CMDSM" || line == "#CMDER" || line == "#CMDUN";
}

RadioRequest::Kind frameKind(const std::string& word)
{
    if (word == StatusRequest) return RadioRequest::Kind::Status;
    if (word == ReadRequest) return RadioRequest::Kind::Read;
    if (word == WriteRequest) return RadioRequest::Kind::Write;
    return RadioRequest::Kind::Other;
}

} // namespace

RadioProtocol::RadioProtocol(const MemoryImage& memory, const FaultPlan& faults)
    : memory_(memory), faults_(faults)
{
    if (faults_.modelCode < 0) return;
    const auto [first, second] = modelCodeAddresses(memory_);
    for (const int address : {first, second}) {
        memory_[address] = std::uint8_t(faults_.modelCode >> 8);
        memory_[address + 1] = std::uint8_t(faults_.modelCode & 0xFF);
    }
}

bool RadioProtocol::silenced() const
{
    return faults_.silent || (faults_.silentAfterFrames > 0 && frameCount_ >= faults_.silentAfterFrames);
}

RadioAnswer RadioProtocol::answer(const HostMessage& message)
{
    lineRates_ = message.lineRates;
    if (silenced()) {
        record(RadioRequest::Kind::Other, message.text);
        RadioAnswer answer;
        answer.note = "fault: silent";
        return answer;
    }
    switch (message.kind) {
    case HostMessage::Kind::WakeUp:
        return answerWakeUp();
    case HostMessage::Kind::WakeUpFollow:
        record(RadioRequest::Kind::WakeUpFollow, message.text);
        return {};
    case HostMessage::Kind::Cancel: {
        record(RadioRequest::Kind::Cancel, message.text);
        RadioAnswer answer;
        answer.discardPending = true;
        return answer;
    }
    case HostMessage::Kind::Line:
        break;
    }
    return answerLine(message.text);
}

RadioAnswer RadioProtocol::answerWakeUp()
{
    record(RadioRequest::Kind::WakeUp, "P");
    RadioAnswer answer;
    if (++wakeUpCount_ <= faults_.silentWakeUps) {
        answer.note = "fault: no echo to wake-up byte " + std::to_string(wakeUpCount_);
        return answer;
    }
    answer.segments.push_back({faults_.replyDelayMs, "P"});
    return answer;
}

RadioAnswer RadioProtocol::answerLine(const std::string& line)
{
    RadioAnswer answer;
    if (line == "ACMD:002") {
        record(RadioRequest::Kind::LinkMode, line);
        const std::string reply = faults_.refuseLinkMode          ? "ERROR"
                                  : faults_.linkModeReply.empty() ? "OK"
                                                                  : faults_.linkModeReply;
        answer.segments.push_back({faults_.replyDelayMs, reply + "\r\n"});
        if (faults_.refuseLinkMode) answer.note = "fault: link mode refused";
        return answer;
    }
    if (line == "#CMDSY") {
        record(RadioRequest::Kind::Sync, line);
        answer.segments.push_back(
            {faults_.replyDelayMs, faults_.syncReply.empty() ? Ack : faults_.syncReply});
        return answer;
    }
    if (isHostReply(line)) {
        record(RadioRequest::Kind::HostReply, line);
        return answer;
    }
    if (line.rfind("#QMP", 0) == 0) return answerFrame(line);
    record(RadioRequest::Kind::Other, line);
    answer.segments.push_back({faults_.replyDelayMs, Refusal});
    return answer;
}

RadioAnswer RadioProtocol::answerFrame(const std::string& line)
{
    const int index = ++frameCount_;
    const auto fields = LinkText::split(line);
    int address = -1;
    int length = 0;
    parseBlock(fields, address, length); // leaves -1 and 0 for anything but a valid block
    record(frameKind(fields.front()), line, address, length);

    RadioAnswer answer;
    if (faults_.silentFrames.contains(index)) {
        answer.note = "fault: no answer to frame " + std::to_string(index);
    } else if (faults_.refusedFrames.contains(index)) {
        answer.segments.push_back({faults_.replyDelayMs, Refusal});
        answer.note = "fault: frame " + std::to_string(index) + " refused";
    } else if (fields.front() == WriteRequest && covers(address, length, faults_.refusedByte)) {
        answer.segments.push_back({faults_.replyDelayMs, Refusal});
        answer.note = "fault: write to " + LinkText::hex(unsigned(faults_.refusedByte), 4) + " refused";
    } else if (!LinkText::checksumValid(line)) {
        answer.segments.push_back({faults_.replyDelayMs, Refusal});
        answer.note = "refused: wrong checksum";
    } else if (fields.front() == StatusRequest && fields.size() == 3 && fields[1] == "00") {
        answer = answerStatus();
    } else if (fields.front() == ReadRequest && fields.size() == 4) {
        answer = answerRead(fields);
    } else if (fields.front() == WriteRequest && fields.size() == 5) {
        answer = answerWrite(fields);
    } else {
        answer.segments.push_back({faults_.replyDelayMs, Refusal});
        answer.note = "refused: unknown frame";
    }
    if (faults_.hangUpAfterFrames == index) {
        answer.hangUp = true;
        answer.note += answer.note.empty() ? "fault: line dropped" : "; line dropped";
    }
    return answer;
}

RadioAnswer RadioProtocol::answerStatus()
{
    const bool busy = ++statusCount_ <= faults_.busyStatusCount;
    RadioAnswer answer;
    answer.segments.push_back({faults_.replyDelayMs, Ack});
    answer.segments.push_back({faults_.dataDelayMs, LinkText::frame(StatusReply, {busy ? "01" : "00"})});
    if (busy) answer.note = "fault: busy";
    return answer;
}

RadioAnswer RadioProtocol::answerRead(const std::vector<std::string>& fields)
{
    RadioAnswer answer;
    int address = 0;
    int length = 0;
    if (!parseBlock(fields, address, length)) {
        answer.segments.push_back({faults_.replyDelayMs, Refusal});
        answer.note = "refused: bad address or length";
        return answer;
    }
    answer.segments.push_back({faults_.replyDelayMs, Ack});
    answer.segments.push_back({faults_.dataDelayMs, dataReply(address, length, answer.note)});
    return answer;
}

RadioAnswer RadioProtocol::answerWrite(const std::vector<std::string>& fields)
{
    RadioAnswer answer;
    int address = 0;
    int length = 0;
    const std::string& data = fields[3];
    bool valid = parseBlock(fields, address, length) && data.size() == 2 * static_cast<std::size_t>(length);
    std::vector<std::uint8_t> bytes;
    for (int i = 0; valid && i < length; ++i) {
        unsigned value = 0;
        valid = LinkText::parseHex(std::string_view(data).substr(2 * static_cast<std::size_t>(i), 2), value);
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    if (!valid) {
        answer.segments.push_back({faults_.replyDelayMs, Refusal});
        answer.note = "refused: bad write request";
        return answer;
    }
    for (int i = 0; i < length; ++i)
        memory_[address + i] = bytes[std::size_t(i)];
    if (covers(address, length, faults_.misstoredByte)) {
        memory_[faults_.misstoredByte] = std::uint8_t(~memory_[faults_.misstoredByte]);
        answer.note = "fault: another byte stored at " + LinkText::hex(unsigned(faults_.misstoredByte), 4);
    }
    answer.segments.push_back({faults_.replyDelayMs, Ack});
    return answer;
}

// Address and length of a read or write request, inside the memory and
// at most one block long.
bool RadioProtocol::parseBlock(const std::vector<std::string>& fields, int& address, int& length) const
{
    unsigned a = 0;
    unsigned n = 0;
    if (fields.size() < 4 || !LinkText::parseHex(fields[1], a) || !LinkText::parseHex(fields[2], n))
        return false;
    if (n < 1 || n > MaxBlock || a + n > unsigned(memory_.size())) return false;
    address = int(a);
    length = int(n);
    return true;
}

std::string RadioProtocol::dataReply(int address, int length, std::string& note)
{
    const int index = ++dataReplyCount_;
    std::string data;
    for (int i = 0; i < length; ++i)
        data += LinkText::hex(memory_[address + i], 2);
    int shownAddress = address;
    int shownLength = length;
    if (faults_.badAddressReplies.contains(index)) {
        shownAddress = (address + MaxBlock) % ImageSize;
        note = "fault: wrong address in data reply " + std::to_string(index);
    }
    if (faults_.badLengthReplies.contains(index)) {
        shownLength = length == 1 ? 2 : length - 1;
        note = "fault: wrong length in data reply " + std::to_string(index);
    }
    const std::vector<std::string> fields{LinkText::hex(unsigned(shownAddress), 4),
                                          LinkText::hex(unsigned(shownLength), 2), data};
    if (!faults_.badChecksumReplies.contains(index)) return LinkText::frame(DataReply, fields);
    note = "fault: wrong checksum in data reply " + std::to_string(index);
    const std::string good = LinkText::frame(DataReply, fields);
    return LinkText::frame(DataReply, fields,
                           std::uint8_t(LinkText::xorOf(good.substr(0, good.size() - 4)) ^ 0x5A));
}

void RadioProtocol::record(RadioRequest::Kind kind, const std::string& text, int address, int length)
{
    requests_.push_back({kind, address, length, text, lineRates_});
}

} // namespace zmp::radiosim
