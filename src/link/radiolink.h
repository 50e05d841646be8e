#pragma once

#include <functional>
#include <vector>

#include "link/linkcontext.h"
#include "link/linkreader.h"
#include "link/linksender.h"
#include "link/portcontrol.h"
#include "model/memoryimage.h"

namespace zmp {

// The command exchange: acknowledged commands with their retries, the
// block read and write primitives, re-synchronisation and the abort of a
// read. Outcomes travel in ErrorFlag and CancelFlag.
class RadioLink {
  public:
    explicit RadioLink(const LinkContext& context);

    ResultCode awaitAck() const;
    // Fills target[address .. address+length-1] from the radio.
    void readBlock(MemoryImage& target, int address, int length) const;
    // Sends image[address .. address+length-1] to the radio.
    void writeBlock(const MemoryImage& image, int address, int length) const;
    // One write request a byte, every byte tried even after one failed.
    // The run fails when any byte failed: each attempt clears ErrorFlag
    // anew, so the last byte alone would hide an earlier byte the radio
    // never took. A Cancel stops the run, since the next attempt would clear it.
    void writeBytes(const MemoryImage& image, const std::vector<int>& addresses) const;
    void writeBytes(const MemoryImage& image, int first, int count) const;
    bool resynchronise() const;
    // What the radio did when the last re-synchronisation failed.
    std::string syncFailure() const;
    // "Communication Error!!" titled title, with the device, what went wrong
    // with the last block and what to do.
    void communicationError(const std::string& title) const;
    void abortRead() const;

    // Sends with send() until acknowledged: again after a timeout or
    // "ERROR", at most RetryCount times; after "ERROR" on the last attempt
    // the user may re-synchronise for one more. marksAttempt: each attempt
    // sets ErrorFlag and clears CancelFlag first. True when acknowledged.
    bool command(const std::function<void()>& send, bool marksAttempt) const;

    // The reply that follows an acknowledged command: its word must be
    // expected (otherwise wrongWord is sent), then the line, whose checksum
    // must hold ("#CMDSM" otherwise). True with the line when all is well.
    struct Reply {
        const char* expected;
        const char* wrongWord;
        bool reportCancelInLine;
        int expectedLine; // its usual length with CR LF, so the wait need not wake for every byte
    };
    // The length of a data reply's line (after the word) for a block of length bytes.
    static int dataLineLength(int length);
    bool readReply(const Reply& reply, std::string& line) const;

    const LinkContext& context() const { return context_; }
    const LinkReader& reader() const { return reader_; }
    const LinkSender& sender() const { return sender_; }
    const PortControl& ports() const { return ports_; }

    static constexpr int ReplySeconds = 10;

  private:
    bool confirmResynchronise() const;
    // One "#CMDSY" exchange with its retries: Success, Timeout or Refused
    // when the retries ran out, anything else stops the re-synchronisation.
    ResultCode syncExchange(int number) const;
    void receiveData(MemoryImage& target, int address, int length) const;
    bool storeData(const std::string& line, MemoryImage& target, int address, int length) const;
    // Why the block in hand failed, as the user is told it.
    void seen(const std::string& what) const;
    std::string blockInHand() const; // "the block at 0x1A40", "the byte at 0x0133"
    std::string refusal(ResultCode result, int attempts) const;

    const LinkContext& context_;
    LinkReader reader_;
    LinkSender sender_;
    PortControl ports_;
    mutable std::string lastReply_; // the word awaitAck() last read
    mutable ResultCode lastSync_ = ResultCode::Timeout;
    mutable int block_ = 0; // the address of the block in hand
    mutable int blockLength_ = 0;
    mutable std::string problem_; // what went wrong with it
};

} // namespace zmp
