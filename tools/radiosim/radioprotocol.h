#pragma once

#include <string>
#include <vector>

#include "model/memoryimage.h"
#include "radiosim/faultplan.h"
#include "radiosim/messagesplitter.h"
#include "radiosim/radioanswer.h"
#include "radiosim/radiorequest.h"

namespace zmp::radiosim {

// The radio in its PC-control mode: answers each message from the computer
// and keeps the configuration memory. Knows nothing of ports or time; the
// caller feeds it messages and sends the answers.
class RadioProtocol {
  public:
    // A frame may carry at most this many data bytes.
    static constexpr int MaxBlock = 64;

    RadioProtocol(const MemoryImage& memory, const FaultPlan& faults);

    RadioAnswer answer(const HostMessage& message);

    const MemoryImage& memory() const { return memory_; }
    const std::vector<RadioRequest>& requests() const { return requests_; }
    int frameCount() const { return frameCount_; }

  private:
    bool silenced() const;
    RadioAnswer answerLine(const std::string& line);
    RadioAnswer answerFrame(const std::string& line);
    RadioAnswer answerStatus();
    RadioAnswer answerRead(const std::vector<std::string>& fields);
    RadioAnswer answerWrite(const std::vector<std::string>& fields);
    RadioAnswer answerWakeUp();
    bool parseBlock(const std::vector<std::string>& fields, int& address, int& length) const;
    std::string dataReply(int address, int length, std::string& note);
    void record(RadioRequest::Kind kind, const std::string& text, int address = -1, int length = 0);

    MemoryImage memory_;
    FaultPlan faults_;
    std::vector<RadioRequest> requests_;
    int frameCount_ = 0;
    int statusCount_ = 0;
    int dataReplyCount_ = 0;
    int wakeUpCount_ = 0;
    std::vector<int> lineRates_; // of the message being answered
};

} // namespace zmp::radiosim
