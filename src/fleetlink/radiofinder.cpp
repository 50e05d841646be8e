#include "fleetlink/radiofinder.h"

#include <chrono>
#include <exception>
#include <thread>
#include <utility>

#include "fleetlink/radiopresence.h"
#include "link/failureguard.h"
#include "link/identitycheck.h"
#include "link/linkbusyscope.h"
#include "link/radiolink.h"
#include "link/synchroniser.h"
#include "message/messagetexts.h"

namespace zmp {

namespace {

// The link's host while a device is probed: nobody to ask (every question
// is answered Cancel), the first message kept as what was seen, and the
// device's time enforced as a Cancel on every pass of every wait.
class ProbeHost : public LinkHost {
  public:
    ProbeHost(TransferFlags& flags, std::chrono::steady_clock::time_point deadline)
        : flags_(flags), deadline_(deadline)
    {
    }

    MessageAnswer showMessage(const Message& message) override
    {
        if (seen_.empty())
            seen_ = message.detail.empty() ? message.text : message.text + " " + message.detail;
        return MessageAnswer::Cancel;
    }
    void showStatus(const std::string&) override {}
    void showProgress(int) override {}
    void setBusy(bool) override {}
    void processEvents() override
    {
        if (timeUp()) flags_.CancelFlag = true;
    }
    void sleep(int ms) override
    {
        std::this_thread::sleep_until(std::min(deadline_, Clock::now() + std::chrono::milliseconds(ms)));
        processEvents();
    }
    std::int64_t nowMs() override
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count();
    }

    bool timeUp() const { return Clock::now() >= deadline_; }
    const std::string& seen() const { return seen_; }

  private:
    using Clock = std::chrono::steady_clock;
    TransferFlags& flags_;
    Clock::time_point deadline_;
    std::string seen_;
};

} // namespace

std::string ProbeResult::text() const
{
    switch (verdict) {
    case ProbeVerdict::Radio:
        return "radio found";
    case ProbeVerdict::NotARadio:
        return "echoes the wake-up byte but does not answer as a radio: " + seen;
    case ProbeVerdict::Silent:
        return "no answer";
    case ProbeVerdict::Busy:
        return "busy: " + seen + " (not probed)";
    case ProbeVerdict::Unusable:
        return "cannot be opened: " + seen;
    }
    return {};
}

RadioFinder::RadioFinder(PortFactory makePort, HeldElsewhere heldElsewhere, int model,
                         const ProcessFlags& switches)
    : makePort_(std::move(makePort)), heldElsewhere_(std::move(heldElsewhere)), model_(model),
      switches_(switches)
{
}

ProbeResult RadioFinder::probe(const std::string& device) const
{
    // The device's time is not shortened by the tests' time scale: the
    // query's round trips take what the machine gives them, and a busy
    // machine must not lose a radio.
    if (const std::string holder = heldElsewhere_ ? heldElsewhere_(device) : std::string(); !holder.empty())
        return {device, ProbeVerdict::Busy, holder};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(DeviceMs);
    const std::unique_ptr<SerialPort> port = makePort_(device);
    if (!port) return {device, ProbeVerdict::Unusable, "no such port"};
    try {
        switch (RadioPresence::probe(*port, 1)) {
        case RadioPresence::Answer::PortFailed:
            return {device, ProbeVerdict::Unusable, RadioPresence::portProblem(*port)};
        case RadioPresence::Answer::Silent:
            return {device, ProbeVerdict::Silent, {}};
        case RadioPresence::Answer::Radio:
            break;
        }
    } catch (const std::exception& error) {
        return {device, ProbeVerdict::Unusable, error.what()};
    }
    return queryModel(*port, device, deadline);
}

// The connection and the model code, as every transfer starts.
ProbeResult RadioFinder::queryModel(SerialPort& port, const std::string& device,
                                    std::chrono::steady_clock::time_point deadline) const
{
    TransferFlags flags = TransferFlags::startingFrom(switches_);
    flags.DebugMode = false;
    ProbeHost host(flags, deadline);
    LinkOptions options;
    options.device = device;
    const LinkContext context{port, host, flags, options, msg::ReadTitle};
    bool answered = false;
    {
        const LinkBusyScope busy(context);
        const RadioLink link(context);
        const auto image = std::make_unique<MemoryImage>();
        FailureGuard(context, link.ports()).run(msg::SourceReadData, msg::ReadTitle, [&] {
            if (!Synchroniser(link).run()) return;
            IdentityCheck(link, *image, model_).checkModel();
            answered = !flags.ErrorFlag && !flags.CancelFlag;
        });
        link.ports().close();
    }
    if (answered) return {device, ProbeVerdict::Radio, {}};
    return {device, ProbeVerdict::NotARadio,
            host.timeUp() ? "no answer to the model query within " + std::to_string(DeviceMs / 1000) + " s"
                          : host.seen()};
}

std::vector<ProbeResult> RadioFinder::probeAll(const std::vector<std::string>& devices) const
{
    std::vector<ProbeResult> results;
    for (const std::string& device : devices)
        results.push_back(probe(device));
    return results;
}

std::vector<std::string> RadioFinder::radios(const std::vector<ProbeResult>& results)
{
    std::vector<std::string> found;
    for (const ProbeResult& result : results)
        if (result.verdict == ProbeVerdict::Radio) found.push_back(result.device);
    return found;
}

} // namespace zmp
