#pragma once

#include <cstdint>
#include <string>

namespace zmp {

enum class LinkIcon { Information, Warning, Error, Question };
enum class LinkButtons { Ok, OkCancel, RetryCancel };
enum class LinkAnswer { Ok, Cancel, Retry };

// One modal message box the link asks the host to show.
struct LinkMessage {
    std::string title;
    std::string text;
    LinkIcon icon = LinkIcon::Error;
    LinkButtons buttons = LinkButtons::Ok;
    LinkAnswer defaultAnswer = LinkAnswer::Ok;
    // A line of our own under the text (the reason, the device), shown
    // apart from it so that the text itself stays as the radio link words it.
    std::string detail = {};
};

// What the link needs of whoever runs it: the transfer dialog, zmp-cli, or
// a test. Everything runs on the caller's thread.
class LinkHost {
  public:
    virtual ~LinkHost() = default;

    virtual LinkAnswer showMessage(const LinkMessage& message) = 0;
    // Status line (the dialog shows it in debug mode only); the link itself
    // adds the 500 ms pause of debug mode.
    virtual void showStatus(const std::string& text) = 0;
    virtual void showProgress(int percent) = 0; // 0..100
    // An operation starts (true) or ends (false): busy pointer, OK and Help disabled.
    virtual void setBusy(bool busy) = 0;
    // Called on every pass of every wait; the Cancel button is served here.
    virtual void processEvents() = 0;
    // A pause of the protocol; it may serve events (Cancel) meanwhile.
    virtual void sleep(int ms) = 0;
    virtual std::int64_t nowMs() = 0; // monotonic clock for deadlines
};

} // namespace zmp
