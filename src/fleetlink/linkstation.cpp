#include "fleetlink/linkstation.h"

#include <utility>

#include "fleetlink/heldmmsi.h"
#include "link/operationtype.h"
#include "link/transferoperation.h"

namespace zmp {

namespace {

constexpr const char* PartlyWritten =
    "the radio may hold a partly written configuration: connect it again and program it again";

// A Cancel the station gave to a question (a radio that stays busy) is a
// failure of that radio; only the fleet's Cancel cancels it.
FleetOutcome outcomeOf(const TransferFlags& flags, bool verify, bool fleetCancelled)
{
    if (flags.CompletedFlag && !flags.ErrorFlag && !flags.CancelFlag)
        return verify ? FleetOutcome::Complete : FleetOutcome::CompleteNotVerified;
    return flags.CancelFlag && fleetCancelled ? FleetOutcome::Cancelled : FleetOutcome::Failed;
}

std::string joined(const std::string& first, const std::string& second)
{
    if (first.empty()) return second;
    if (second.empty()) return first;
    return (first.back() == '.' ? first.substr(0, first.size() - 1) : first) + "; " + second;
}

} // namespace

LinkStation::LinkStation(std::string device, PortFactory makePort, RadioWait& wait, FleetBackups& backups,
                         StationSettings settings)
    : device_(std::move(device)), makePort_(std::move(makePort)), wait_(wait), backups_(backups),
      settings_(std::move(settings))
{
}

SerialPort& LinkStation::port()
{
    if (!port_) port_ = makePort_();
    return *port_;
}

TransferFlags LinkStation::freshFlags() const
{
    return TransferFlags::startingFrom(settings_.switches);
}

bool LinkStation::awaitRadio(const FleetJob& job, std::string& reason)
{
    return wait_.await(port(), settings_.link.portNumber, job, servedRadio_, reason);
}

FleetResult LinkStation::programRadio(const FleetJob& job, const IdentityCheck& mayProgram)
{
    servedRadio_ = true;
    TransferFlags flags = freshFlags();
    StationHost host(job, flags);
    host.setPhase(FleetPhase::Reading);
    const LinkContext context{port(), host, flags, settings_.link, operationCaption(OperationType::Read)};
    const auto held = HeldMmsi::read(context, job.image, job.model);
    if (!held) return unread(job, host);
    if (const auto skip = mayProgram(*held)) return {FleetOutcome::Skipped, *skip, {}};
    return program(job);
}

// Nothing was written: the radio is as it was.
FleetResult LinkStation::unread(const FleetJob& job, const StationHost& host) const
{
    if (job.cancelRequested) return {FleetOutcome::Cancelled, "cancelled before anything was written", {}};
    return {FleetOutcome::Failed,
            joined(host.failure(), "its User MMSI could not be read; nothing was written"),
            {}};
}

FleetResult LinkStation::program(const FleetJob& job)
{
    auto image = std::make_unique<MemoryImage>(job.image);
    Records records = job.records;
    TransferFlags flags = freshFlags();
    StationHost host(job, flags);
    host.setPhase(FleetPhase::Programming);
    TransferOperation operation(port(), host, flags, *image, records, job.model, settings_.link);
    operation.run(OperationType::Program);
    operation.release();
    FleetResult result{outcomeOf(flags, settings_.link.verify, job.cancelRequested), {}, {}};
    if (!fleetDone(result.outcome)) result.reason = joined(host.failure(), PartlyWritten);
    std::string problem;
    result.backupName =
        backups_.keep({*image, records, job.radio.label, device_, fleetOutcomeText(result.outcome)}, problem);
    if (!problem.empty()) result.reason = joined(result.reason, "no backup kept: " + problem);
    return result;
}

} // namespace zmp
