#include "link/linkcontext.h"

#include <algorithm>
#include <cmath>

#include "codec/errorlog.h"
#include "link/timescale.h"

namespace zmp {

namespace {
constexpr int DebugStatusPauseMs = 500;
}

void LinkContext::status(const std::string& text) const
{
    host.showStatus(text);
    if (flags.DebugMode) host.sleep(DebugStatusPauseMs);
}

void LinkContext::phase(const std::string& text, long wireChars) const
{
    shownPhase = {text};
    phaseChars = wireChars;
    host.showPhase(shownPhase);
}

void LinkContext::progress(int percent) const
{
    const int shown = std::clamp(percent, 0, 100);
    host.showProgress(shown);
    if (shownPhase.text.empty() || shownPhase.percent == shown) return;
    shownPhase.percent = shown;
    if (phaseChars > 0)
        shownPhase.secondsLeft = wire::seconds(phaseChars * (100 - shown) / 100, flags.SlowLink);
    host.showPhase(shownPhase);
}

void LinkContext::pause(int ms) const
{
    host.sleep(scaledMs(ms));
}

MessageAnswer LinkContext::message(const std::string& text, const std::string& title, MessageIcon icon,
                                   MessageButtons buttons, MessageAnswer defaultAnswer) const
{
    return host.showMessage({title, text, icon, buttons, defaultAnswer});
}

void LinkContext::error(const std::string& text) const
{
    message(text, caption);
}

void LinkContext::failure(const std::string& text, const std::string& seen, const std::string& advice) const
{
    failure(caption, text, seen, advice);
}

void LinkContext::failure(const std::string& title, const std::string& text, const std::string& seen,
                          const std::string& advice) const
{
    Message shown{title, text, MessageIcon::Critical};
    shown.detail = device() + ": " + (seen.empty() ? "" : seen + ". ") + advice;
    host.showMessage(shown);
}

std::string LinkContext::device() const
{
    return options.device.empty() ? "COM" + std::to_string(options.portNumber) : options.device;
}

void LinkContext::logError(const std::string& source, int number, const std::string& description) const
{
    ErrorLog(options.programDir, flags.DebugMode).write(source, std::to_string(number) + description);
}

int percentOf(long a, long last)
{
    if (last <= 0) return 100;
    return static_cast<int>(std::lround(100.0 * static_cast<double>(a) / static_cast<double>(last)));
}

} // namespace zmp
