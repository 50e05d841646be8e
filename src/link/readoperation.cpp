#include "link/readoperation.h"

#include <algorithm>
#include <memory>

#include "image/imagecodec.h"
#include "link/failureguard.h"
#include "link/identitycheck.h"
#include "link/linkbusyscope.h"
#include "link/operationsteps.h"
#include "message/messagetexts.h"

namespace zmp {

namespace {
constexpr int SettleMs = 500;
}

void ReadOperation::run() const
{
    const LinkBusyScope busy(link_.context());
    const OperationSteps steps(link_);
    if (!steps.start()) return;
    if (IdentityCheck(link_, image_, model_).run()) readAll();
}

void ReadOperation::readAll() const
{
    link_.context().status(msg::Reading);
    auto buffer = std::make_unique<MemoryImage>(image_);
    FailureGuard(link_.context(), link_.ports()).run(msg::SourceReadData, msg::ReadTitle, [&] {
        readData(*buffer);
    });
    const OperationSteps steps(link_);
    if (steps.failed()) return;
    copyRanges(*buffer, image_);
    ImageCodec::decode(image_, records_);
    steps.complete(msg::Complete);
}

void ReadOperation::readData(MemoryImage& buffer) const
{
    const LinkContext& context = link_.context();
    if (!link_.ports().portOpen()) return;
    const int last = buffer.lastAddress;
    context.phase(msg::ReadingPhase, wire::readChars((last + 1) / BlockSize));
    context.progress(0);
    for (int a = 0; a <= last; a += BlockSize) {
        context.progress(percentOf(a, last));
        link_.readBlock(buffer, a, BlockSize);
        if (context.flags.CancelFlag) {
            link_.abortRead();
            break;
        }
        if (context.flags.ErrorFlag) break;
    }
    link_.ports().close();
    if (context.flags.CancelFlag) return;
    if (context.flags.ErrorFlag)
        link_.communicationError(msg::ReadTitle);
    else
        context.pause(SettleMs);
}

const std::vector<AddressRange>& ReadOperation::copiedRanges()
{
    static const std::vector<AddressRange> ranges = {
        {0x0080, 0x0081}, {0x00A1, 0x017F}, {0x0280, 0x02A5}, {0x02C0, 0x02EF},
        {0x0300, 0x06FF}, {0x0800, 0x45FF}, {0x4700, 0x50FF}, {0x7FFE, 0x7FFF},
    };
    return ranges;
}

void ReadOperation::copyRanges(const MemoryImage& from, MemoryImage& to)
{
    for (const AddressRange& range : copiedRanges()) {
        const int last = std::min(range.last, to.lastAddress);
        for (int a = range.first; a <= last; ++a)
            to[a] = from[a];
    }
}

} // namespace zmp
