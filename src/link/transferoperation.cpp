#include "link/transferoperation.h"

#include <utility>

#include "image/imagepreparation.h"
#include "link/clearoperation.h"
#include "link/failureguard.h"
#include "link/linkbusyscope.h"
#include "link/programoperation.h"
#include "link/radiolink.h"
#include "link/readoperation.h"
#include "link/synchroniser.h"
#include "message/messagetexts.h"

namespace zmp {

TransferOperation::TransferOperation(SerialPort& port, LinkHost& host, TransferFlags& flags,
                                     MemoryImage& image, Records& records, int model, LinkOptions options)
    : port_(port), host_(host, flags), flags_(flags), image_(image), records_(records), model_(model),
      options_(std::move(options))
{
}

bool TransferOperation::run(OperationType type)
{
    if (flags_.BusyFlag || !isKnownOperation(type)) return false;
    host_.forget();
    bool synchronised = false;
    const LinkContext context{port_, host_, flags_, options_, operationCaption(type)};
    {
        const LinkBusyScope busy(context);
        FailureGuard(context, PortControl(context)).run(msg::SourceOk, [&] {
            synchronised = runSynchronised(type);
        });
    }
    return synchronised && !flags_.ErrorFlag && !flags_.CancelFlag;
}

bool TransferOperation::runSynchronised(OperationType type)
{
    const LinkContext context{port_, host_, flags_, options_, operationCaption(type)};
    context.status(msg::StartSync);
    if (!Synchroniser(RadioLink(context)).run()) {
        context.status(msg::NoSync);
        return false;
    }
    context.status(msg::SyncOk);
    dispatch(context, type);
    context.phase({});
    context.progress(0);
    return true;
}

void TransferOperation::dispatch(const LinkContext& context, OperationType type)
{
    const RadioLink link(context);
    switch (type) {
    case OperationType::Read:
        ReadOperation(link, image_, records_, model_).run();
        break;
    case OperationType::Program:
        prepareImage(records_, model_, image_, PrepareTarget::Radio);
        ProgramOperation(link, image_, model_).run();
        break;
    default:
        ClearOperation(link, image_, records_, model_).run(type);
        break;
    }
}

bool TransferOperation::cancel()
{
    if (!flags_.BusyFlag) return true;
    flags_.CancelFlag = true;
    host_.hold();
    return false;
}

void TransferOperation::release()
{
    if (port_.isOpen()) port_.close();
}

} // namespace zmp
