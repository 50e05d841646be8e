#include "link/clearoperation.h"

#include <memory>
#include <vector>

#include "link/clearplan.h"
#include "link/clearwriters.h"
#include "link/identitycheck.h"
#include "link/linkbusyscope.h"
#include "link/operationsteps.h"
#include "message/messagetexts.h"

namespace zmp {

void ClearOperation::run(OperationType type) const
{
    const LinkBusyScope busy(link_.context());
    const OperationSteps steps(link_);
    if (!steps.start()) return;
    if (IdentityCheck(link_, image_, model_).run()) {
        if (ClearPlan::clearsSingleBytes(type))
            clearBytes(type);
        else
            clearBlocks(type);
    }
}

void ClearOperation::clearBytes(OperationType type) const
{
    const std::vector<int> addresses = ClearPlan::byteAddresses(type);
    std::vector<std::uint8_t> saved;
    for (int a : addresses)
        saved.push_back(image_[a]);
    link_.context().status(ClearPlan::statusText(type));
    ClearPlan::erase(type, image_);
    const bool mmsi = type == OperationType::ClearMmsi;
    ClearWriters(link_, image_)
        .clearBytes(addresses, mmsi ? msg::SourceClearData : msg::SourceClearAtis,
                    mmsi ? msg::ClearDataTitle : msg::ClearAtisTitle);
    const OperationSteps steps(link_);
    if (steps.failed()) {
        for (std::size_t i = 0; i < addresses.size(); ++i)
            image_[addresses[i]] = saved[i];
        return;
    }
    steps.complete(msg::Complete);
    (mmsi ? records_.userMmsi : records_.atisCode).clear();
}

void ClearOperation::clearBlocks(OperationType type) const
{
    const auto saved = std::make_unique<MemoryImage>(image_);
    link_.context().status(ClearPlan::statusText(type));
    ClearPlan::erase(type, image_);
    writeBlocks(type);
    const OperationSteps steps(link_);
    if (steps.failed()) {
        image_ = *saved;
        return;
    }
    steps.complete(msg::Complete);
}

void ClearOperation::writeBlocks(OperationType type) const
{
    const ClearWriters writers(link_, image_);
    if (ClearPlan::writesDscTxRanges(type)) {
        // A failed range does not stop the writers that follow; a Cancel
        // does, because the next write attempt would clear it.
        for (const AddressRange& range : ClearPlan::dscTxRanges()) {
            writers.clearAny2(range.first, range.last);
            if (link_.context().flags.CancelFlag) return;
        }
    }
    if (type == OperationType::ClearAll) {
        writers.clearAll();
        return;
    }
    const AddressRange range = ClearPlan::blockRange(type);
    writers.clearAny(range.first, range.last);
}

} // namespace zmp
