#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "link/linkhost.h"
#include "support/hostclock.h"

namespace zmp::test {

// A link host that records everything the link shows and answers message
// boxes from a script. Once the script is used up a box gets its default
// answer, or, for a host that declines, OK where it has no choice and
// Cancel where it has, so that a refusing radio can never keep a test
// asking to re-synchronise.
class RecordingHost : public LinkHost {
  public:
    enum class Unscripted { DefaultAnswer, Decline };

    explicit RecordingHost(HostClock& clock, Unscripted unscripted = Unscripted::DefaultAnswer)
        : clock_(clock), unscripted_(unscripted)
    {
    }

    MessageAnswer showMessage(const Message& message) override;
    void showStatus(const std::string& text) override { statuses.push_back(text); }
    void showProgress(int percent) override { progress.push_back(percent); }
    void setBusy(bool busy) override { busyChanges.push_back(busy); }
    void processEvents() override;
    void sleep(int ms) override;
    std::int64_t nowMs() override { return clock_.nowMs(); }

    std::vector<std::string> messageTexts() const;
    bool showed(const std::string& text) const;

    std::deque<MessageAnswer> answers;
    std::vector<Message> messages;
    std::vector<std::string> statuses;
    std::vector<int> progress;
    std::vector<bool> busyChanges;
    std::function<void()> eventLoop; // the toolkit's events, where the port lives on them
    std::function<void()> onEvents;  // runs on every pass of every wait
    bool sleepServesEvents = false;  // as a dialog does during its pauses
    std::int64_t sleptMs = 0;
    long passes = 0;

  private:
    HostClock& clock_;
    Unscripted unscripted_;
};

} // namespace zmp::test
