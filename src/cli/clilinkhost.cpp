#include "cli/clilinkhost.h"

#include <chrono>
#include <string>
#include <thread>

#include "cli/messageprinter.h"
#include "message/controltext.h"

namespace zmp {

namespace {

constexpr const char* EraseToLineEnd = "\x1b[K";

MessageAnswer positiveAnswer(MessageButtons buttons)
{
    return buttons == MessageButtons::RetryCancel ? MessageAnswer::Retry : MessageAnswer::Ok;
}

} // namespace

CliLinkHost::CliLinkHost(std::ostream& err, std::istream& in, Settings settings,
                         const std::atomic<bool>& interrupted)
    : err_(err), in_(in), settings_(settings), interrupted_(interrupted)
{
}

MessageAnswer CliLinkHost::showMessage(const Message& message)
{
    endProgressLine();
    if (message.buttons == MessageButtons::Ok) {
        MessagePrinter::print(err_, message);
        return MessageAnswer::Ok;
    }
    return ask(message);
}

MessageAnswer CliLinkHost::ask(const Message& message)
{
    const MessageAnswer yes = positiveAnswer(message.buttons);
    const char* word = yes == MessageAnswer::Retry ? "retry" : "continue";
    if (settings_.yes) return answerAutomatically(message, yes, word);
    if (!settings_.ask) {
        err_ << "zmp-cli: " << escapeControls(message.text) << " (cancelled; --yes answers " << word << ")\n";
        return MessageAnswer::Cancel;
    }
    err_ << "zmp-cli: " << escapeControls(message.text) << " [" << word << "? y/N] " << std::flush;
    std::string answer;
    std::getline(in_, answer);
    return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y') ? yes : MessageAnswer::Cancel;
}

// A radio that stays busy, or keeps refusing, would otherwise be asked
// again for ever with nobody to stop it.
MessageAnswer CliLinkHost::answerAutomatically(const Message& message, MessageAnswer yes, const char* word)
{
    auto& [given, since] = automatic_.try_emplace(message.text, 0, nowMs()).first->second;
    if (given >= settings_.automaticAnswers || nowMs() - since >= AutomaticAnswerMs) {
        err_ << "zmp-cli: " << escapeControls(message.text) << " (cancelled: --yes gave up after " << given
             << " answers)\n";
        return MessageAnswer::Cancel;
    }
    ++given;
    err_ << "zmp-cli: " << escapeControls(message.text) << " (" << word << ")\n";
    if (yes == MessageAnswer::Retry) sleep(AutomaticRetryPauseMs);
    return yes;
}

void CliLinkHost::showStatus(const std::string& text)
{
    if (!settings_.statusLines) return;
    endProgressLine();
    err_ << "zmp-cli: " << escapeControls(text) << '\n';
}

// The phase line carries the percentage.
void CliLinkHost::showProgress(int) {}

// One line, drawn again in place, on a terminal only.
void CliLinkHost::showPhase(const TransferPhase& phase)
{
    if (!settings_.progressBar) return;
    if (phase.text.empty()) return endProgressLine();
    err_ << '\r' << escapeControls(phaseLine(phase)) << EraseToLineEnd << std::flush;
    lineShown_ = true;
}

void CliLinkHost::endProgressLine()
{
    if (!lineShown_) return;
    err_ << '\r' << EraseToLineEnd << std::flush;
    lineShown_ = false;
}

void CliLinkHost::setBusy(bool busy)
{
    if (!busy) endProgressLine();
}

void CliLinkHost::processEvents()
{
    if (interrupted_.load() && cancel_) cancel_();
}

void CliLinkHost::sleep(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::int64_t CliLinkHost::nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace zmp
