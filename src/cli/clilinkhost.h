#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <istream>
#include <map>
#include <ostream>
#include <string>
#include <utility>

#include "link/linkhost.h"

namespace zmp {

// The radio link's host in a terminal: messages and status on stderr,
// questions answered by --yes, by the user at a terminal, or Cancel; the
// phase line, drawn in place and removed at the end, while stderr is a
// terminal; the interrupt flag (Ctrl+C)
// passed on as a cancel request on every pass of the link's waits.
class CliLinkHost : public LinkHost {
  public:
    struct Settings {
        bool yes = false;
        bool ask = false;         // stdin is a terminal
        bool progressBar = false; // stderr is a terminal: the phase line
        bool statusLines = false; // --debug
        int automaticAnswers = 3; // --yes answers each question this often at most
    };

    // --yes never answers one question for longer than this.
    static constexpr std::int64_t AutomaticAnswerMs = 30'000;
    // A busy radio is given this moment before an automatic Retry.
    static constexpr int AutomaticRetryPauseMs = 1000;

    CliLinkHost(std::ostream& err, std::istream& in, Settings settings, const std::atomic<bool>& interrupted);

    // Called once per pass when the interrupt flag is set.
    void onInterrupt(std::function<void()> cancel) { cancel_ = std::move(cancel); }

    MessageAnswer showMessage(const Message& message) override;
    void showStatus(const std::string& text) override;
    void showProgress(int percent) override;
    void showPhase(const TransferPhase& phase) override;
    void setBusy(bool busy) override;
    void processEvents() override;
    void sleep(int ms) override;
    std::int64_t nowMs() override;

  private:
    MessageAnswer ask(const Message& message);
    MessageAnswer answerAutomatically(const Message& message, MessageAnswer yes, const char* word);
    void endProgressLine();

    std::ostream& err_;
    std::istream& in_;
    Settings settings_;
    const std::atomic<bool>& interrupted_;
    std::function<void()> cancel_;
    bool lineShown_ = false; // the phase line is on the terminal
    // Per question text: automatic answers given, and when the first was.
    std::map<std::string, std::pair<int, std::int64_t>> automatic_;
};

} // namespace zmp
