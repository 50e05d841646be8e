#include "fleetlink/heldmmsi.h"

#include <memory>

#include "image/fieldcodec.h"
#include "image/imagemap.h"
#include "link/failureguard.h"
#include "link/identitycheck.h"
#include "link/linkbusyscope.h"
#include "link/operationsteps.h"
#include "link/synchroniser.h"
#include "message/messagetexts.h"

namespace zmp {

namespace {
constexpr int BlockSize = 64;
constexpr int MmsiBlock = address::UserMmsi / BlockSize * BlockSize;
} // namespace

std::optional<std::string> HeldMmsi::read(const LinkContext& context, const MemoryImage& image, int model)
{
    std::optional<std::string> held;
    const LinkBusyScope busy(context);
    const RadioLink link(context);
    FailureGuard(context, link.ports()).run(msg::SourceReadData, msg::ReadTitle, [&] {
        if (!Synchroniser(link).run()) return;
        const OperationSteps steps(link);
        if (!steps.start() || !IdentityCheck(link, image, model).run() || !link.ports().portOpen()) return;
        auto scratch = std::make_unique<MemoryImage>(image);
        link.readBlock(*scratch, MmsiBlock, BlockSize);
        if (steps.failed()) return;
        held = decodeDigits(*scratch, address::UserMmsi);
    });
    link.ports().close();
    return held;
}

} // namespace zmp
