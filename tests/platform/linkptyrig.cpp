#include "linkptyrig.h"

#include <QCoreApplication>

#include "link/transferoperation.h"
#include "platform/qtserialport.h"
#include "platform/serialportnames.h"

namespace zmp::test {

PtyLinkRig::PtyLinkRig(const MemoryImage& radioMemory, const radiosim::SimOptions& options)
    : ContractRig(clock, RecordingHost::Unscripted::Decline), running_(radioMemory, options)
{
    image.fill(0xFF);
    // The serial-port adapter lives on Qt's event machinery, as in the editor.
    host.eventLoop = [] { QCoreApplication::processEvents(); };
    // Port 1 of the serial-port menu stands for the emulator's device, as
    // a user would set it up for a USB cable.
    settings_.setValue("ComPath", "Device1", running_.devicePath());
    port_ = std::make_unique<QtSerialPort>(SerialPortNames(&settings_));
}

bool PtyLinkRig::run(OperationType type, int model)
{
    TransferOperation transfer(*port_, host, flags, image, records, model, LinkOptions{1, {}});
    cancel_ = [&transfer] { return transfer.cancel(); };
    const bool closes = transfer.run(type);
    cancel_ = nullptr;
    portOpen_ = port_->isOpen();
    transfer.release();
    running_.stop();
    return closes;
}

void PtyLinkRig::cancel()
{
    if (cancel_) cancel_();
}

std::vector<SeenRequest> PtyLinkRig::requests() const
{
    using radiosim::RadioRequest;
    std::vector<SeenRequest> seen;
    for (const RadioRequest& request : radio().requests()) {
        if (request.kind == RadioRequest::Kind::Status) seen.push_back({SeenRequest::Kind::Status});
        if (request.kind == RadioRequest::Kind::Read)
            seen.push_back({SeenRequest::Kind::Read, request.address, request.length});
        if (request.kind == RadioRequest::Kind::Write)
            seen.push_back({SeenRequest::Kind::Write, request.address, request.length});
    }
    return seen;
}

int PtyLinkRig::cancelsReceived() const
{
    return int(requestsOf(radiosim::RadioRequest::Kind::Cancel).size());
}

std::vector<radiosim::RadioRequest> PtyLinkRig::requestsOf(radiosim::RadioRequest::Kind kind) const
{
    std::vector<radiosim::RadioRequest> found;
    for (const auto& request : radio().requests())
        if (request.kind == kind) found.push_back(request);
    return found;
}

std::unique_ptr<ContractRig> PtyLinkRig::make(const MemoryImage& radioMemory, const RadioFaults& faults)
{
    radiosim::SimOptions options = RunningRadio::unpaced();
    options.faults.refusedByte = faults.refusedByte;
    options.faults.misstoredByte = faults.misstoredByte;
    options.faults.busyStatusCount = faults.busyStatusCount;
    return std::make_unique<PtyLinkRig>(radioMemory, options);
}

} // namespace zmp::test
