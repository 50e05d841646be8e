#include "link/radiolink.h"

#include <algorithm>
#include <string>
#include <vector>

#include "link/linkframe.h"
#include "link/linkwords.h"
#include "message/messagetexts.h"

namespace zmp {

namespace {
constexpr int LineEndSeconds = 1;
constexpr std::uint8_t Cr = '\r';
constexpr std::uint8_t Lf = '\n';
} // namespace

RadioLink::RadioLink(const LinkContext& context)
    : context_(context), reader_(context), sender_(context), ports_(context)
{
}

ResultCode RadioLink::awaitAck() const
{
    const ReadResult word = reader_.readWord(6, ReplySeconds);
    lastReply_ = word.text;
    if (word.code != ResultCode::Success) return word.code;
    if (word.text != linkword::Ack) return ResultCode::Unexpected;
    if (reader_.waitByte(Cr, LineEndSeconds) != ResultCode::Success) return ResultCode::Unexpected;
    if (reader_.waitByte(Lf, LineEndSeconds) != ResultCode::Success) return ResultCode::Unexpected;
    context_.flags.ErrorFlag = false;
    return ResultCode::Success;
}

bool RadioLink::command(const std::function<void()>& send, bool marksAttempt) const
{
    int attemptsLeft = context_.flags.RetryCount;
    for (int attempts = 1;; ++attempts) {
        if (marksAttempt) {
            context_.flags.ErrorFlag = true;
            context_.flags.CancelFlag = false;
        }
        send();
        const ResultCode result = awaitAck();
        if (result == ResultCode::Success) return true;
        seen(refusal(result, attempts));
        if (result != ResultCode::Timeout && result != ResultCode::Refused) return false;
        if (--attemptsLeft > 0) continue;
        if (result == ResultCode::Timeout || !confirmResynchronise()) return false;
        attemptsLeft = 1;
    }
}

std::string RadioLink::refusal(ResultCode result, int attempts) const
{
    const std::string request = " to the request for " + blockInHand();
    switch (result) {
    case ResultCode::Timeout:
        return "no answer for " + std::to_string(attempts * ReplySeconds) + " s" + request;
    case ResultCode::Refused:
        return std::string("reply \"") + linkword::Refusal + "\"" + request;
    case ResultCode::Cancelled:
        return {};
    default:
        return "reply word \"" + lastReply_ + "\" instead of \"" + linkword::Ack + "\"" + request;
    }
}

std::string RadioLink::blockInHand() const
{
    return (blockLength_ == 1 ? "the byte at " : "the block at ") + LinkFrame::shown(unsigned(block_), 4);
}

void RadioLink::seen(const std::string& what) const
{
    problem_ = what;
}

void RadioLink::communicationError(const std::string& title) const
{
    context_.failure(title, msg::CommunicationError, problem_, msg::CheckLink);
}

bool RadioLink::confirmResynchronise() const
{
    const MessageAnswer answer = context_.message(msg::ConfirmSync, context_.caption, MessageIcon::Question,
                                                  MessageButtons::OkCancel, MessageAnswer::Ok);
    return answer == MessageAnswer::Ok && resynchronise();
}

void RadioLink::readBlock(MemoryImage& target, int address, int length) const
{
    block_ = address;
    blockLength_ = length;
    ports_.flush();
    const bool acknowledged = command(
        [&] {
            sender_.sendFrame(linkword::ReadRequest, LinkFrame::address(address), LinkFrame::length(length),
                              "");
        },
        true);
    if (acknowledged) receiveData(target, address, length);
}

void RadioLink::writeBlock(const MemoryImage& image, int address, int length) const
{
    std::string data;
    for (int i = 0; i < length; ++i)
        data += LinkFrame::length(image[address + i]); // two digits a byte
    block_ = address;
    blockLength_ = length;
    context_.flags.WriteSent = true;
    command(
        [&] {
            ports_.flush();
            sender_.sendFrame(linkword::WriteRequest, LinkFrame::address(address), LinkFrame::length(length),
                              data);
        },
        true);
}

void RadioLink::writeBytes(const MemoryImage& image, const std::vector<int>& addresses) const
{
    bool anyFailed = false;
    for (int address : addresses) {
        if (context_.flags.CancelFlag) break;
        writeBlock(image, address, 1);
        anyFailed = anyFailed || context_.flags.ErrorFlag;
    }
    context_.flags.ErrorFlag = context_.flags.ErrorFlag || anyFailed;
}

void RadioLink::writeBytes(const MemoryImage& image, int first, int count) const
{
    std::vector<int> addresses;
    for (int a = first; a < first + count; ++a)
        addresses.push_back(a);
    writeBytes(image, addresses);
}

void RadioLink::receiveData(MemoryImage& target, int address, int length) const
{
    context_.flags.ErrorFlag = true;
    context_.flags.CancelFlag = false;
    std::string line;
    if (!readReply({linkword::DataReply, linkword::NotData, false, dataLineLength(length)}, line)) return;
    if (!storeData(line, target, address, length)) return;
    context_.flags.ErrorFlag = false;
    sender_.sendWord(linkword::Ack);
}

int RadioLink::dataLineLength(int length)
{
    // TAB address TAB length TAB data TAB checksum CR LF
    return 1 + 4 + 1 + 2 + 1 + 2 * length + 1 + 2 + 2;
}

bool RadioLink::readReply(const Reply& reply, std::string& line) const
{
    const std::string block = blockInHand();
    const std::string late =
        "no answer for " + std::to_string(ReplySeconds) + " s after the request for " + block;
    const ReadResult word = reader_.readWord(6, ReplySeconds);
    if (word.code == ResultCode::Cancelled) context_.error(msg::Cancelled);
    if (word.code == ResultCode::Timeout) {
        seen(late);
        context_.error(msg::TimeOut);
    }
    if (word.code != ResultCode::Success) return false;
    if (word.text != reply.expected) {
        seen("reply word \"" + word.text + "\" instead of \"" + reply.expected + "\" for " + block);
        sender_.sendWord(reply.wrongWord);
        return false;
    }
    const ReadResult rest = reader_.readLine(ReplySeconds, reply.expectedLine);
    if (rest.code == ResultCode::Cancelled && reply.reportCancelInLine) context_.error(msg::Cancelled);
    if (rest.code == ResultCode::Timeout) {
        seen(late);
        context_.error(msg::TimeOut);
    }
    if (rest.code != ResultCode::Success) return false;
    if (!LinkFrame::replyChecksumOk(word.text + rest.text)) {
        seen("checksum of " + block + " wrong");
        sender_.sendWord(linkword::BadChecksum);
        return false;
    }
    line = rest.text;
    return true;
}

bool RadioLink::storeData(const std::string& line, MemoryImage& target, int address, int length) const
{
    std::vector<std::string> fields = LinkFrame::fields(line);
    fields.resize(std::max<std::size_t>(fields.size(), 4));
    if (LinkFrame::parseHex(fields[1]) != static_cast<unsigned>(address)) {
        seen("reply for " + blockInHand() + " names address 0x" + fields[1]);
        context_.error(msg::AddressError);
        return false;
    }
    const std::string& data = fields[3];
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
        if (const auto byte = LinkFrame::parseHex(data.substr(i, 2)))
            bytes.push_back(static_cast<std::uint8_t>(*byte));
    }
    const bool lengthOk = LinkFrame::parseHex(fields[2]) == static_cast<unsigned>(length);
    if (!lengthOk || data.size() != 2 * static_cast<std::size_t>(length) || bytes.size() * 2 != data.size()) {
        seen("reply for " + blockInHand() + " not " + std::to_string(length) + " bytes long");
        context_.error(msg::LinkDataError);
        return false;
    }
    for (int i = 0; i < length && address + i < ImageSize; ++i)
        target[address + i] = bytes[static_cast<std::size_t>(i)];
    return true;
}

bool RadioLink::resynchronise() const
{
    int successes = 0;
    for (int number = 1; number <= 2; ++number) {
        const ResultCode result = syncExchange(number);
        lastSync_ = result;
        if (result == ResultCode::Success)
            ++successes;
        else if (result != ResultCode::Timeout && result != ResultCode::Refused)
            break;
    }
    if (successes == 2) return true;
    context_.status(msg::NoSyncAck);
    return false;
}

ResultCode RadioLink::syncExchange(int number) const
{
    context_.status(msg::SyncExchangePrefix + std::to_string(number) + msg::SyncExchangeSuffix);
    ResultCode result = ResultCode::Timeout;
    const int attempts = context_.flags.RetryCount;
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        if (attempt > 1) context_.phase(waitingPhase(context_.device(), attempt, attempts));
        sender_.sendWord(linkword::SyncRequest);
        result = awaitAck();
        if (result != ResultCode::Timeout && result != ResultCode::Refused) break;
    }
    return result;
}

std::string RadioLink::syncFailure() const
{
    const std::string request = std::string("\"") + linkword::SyncRequest + "\"";
    switch (lastSync_) {
    case ResultCode::Timeout:
        return "no answer to " + request;
    case ResultCode::Refused:
        return std::string("reply \"") + linkword::Refusal + "\" to " + request;
    default:
        return "reply \"" + lastReply_ + "\" to " + request + " instead of \"" + linkword::Ack + "\"";
    }
}

void RadioLink::abortRead() const
{
    sender_.sendByte(linkword::Can);
    context_.flags.CancelFlag = true;
}

} // namespace zmp
