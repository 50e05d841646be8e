#include "scriptedcontractrig.h"

#include "link/transferoperation.h"

namespace zmp::test {

ScriptedContractRig::ScriptedContractRig(const MemoryImage& radioMemory, const RadioFaults& faults)
    : ContractRig(clock, RecordingHost::Unscripted::DefaultAnswer)
{
    radio_.memory = radioMemory;
    radio_.faults = faults;
    radio_.attach(port_);
}

bool ScriptedContractRig::run(OperationType type, int model)
{
    TransferOperation transfer(port_, host, flags, image, records, model, options_);
    cancel_ = [&transfer] { transfer.cancel(); };
    const bool closes = transfer.run(type);
    cancel_ = nullptr;
    portOpen_ = port_.isOpen();
    return closes;
}

void ScriptedContractRig::cancel()
{
    if (cancel_) cancel_();
}

std::vector<SeenRequest> ScriptedContractRig::requests() const
{
    std::vector<SeenRequest> seen;
    for (const SentFrame& frame : radio_.frames) {
        if (frame.word == "#QMPSR") seen.push_back({SeenRequest::Kind::Status});
        if (frame.word == "#QMPRD") seen.push_back({SeenRequest::Kind::Read, frame.address, frame.length});
        if (frame.word == "#QMPWR") seen.push_back({SeenRequest::Kind::Write, frame.address, frame.length});
    }
    return seen;
}

std::unique_ptr<ContractRig> ScriptedContractRig::make(const MemoryImage& radioMemory,
                                                       const RadioFaults& faults)
{
    return std::make_unique<ScriptedContractRig>(radioMemory, faults);
}

} // namespace zmp::test
