#include "link/programoperation.h"

#include "link/failureguard.h"
#include "link/identitycheck.h"
#include "link/linkbusyscope.h"
#include "link/operationsteps.h"
#include "link/programverifier.h"
#include "message/messagetexts.h"

namespace zmp {

namespace {
constexpr int SkipPauseMs = 50;
constexpr int SettleMs = 500;
} // namespace

void ProgramOperation::run() const
{
    const LinkBusyScope busy(link_.context());
    const OperationSteps steps(link_);
    if (!steps.start()) return;
    if (IdentityCheck(link_, image_, model_).run()) {
        link_.context().status(msg::Writing);
        const FailureGuard guard(link_.context(), link_.ports());
        guard.run(msg::SourceWriteData, msg::ProgramTitle, [&] { writeData(); });
        const bool verify = link_.context().options.verify;
        if (!steps.failed() && verify) {
            guard.run(msg::SourceVerifyData, msg::ProgramTitle,
                      [&] { ProgramVerifier(link_, image_).run(); });
        }
        if (!steps.failed()) steps.complete(verify ? msg::Complete : msg::CompleteNotVerified);
    }
}

void ProgramOperation::writeData() const
{
    const LinkContext& context = link_.context();
    if (!link_.ports().portOpen()) return;
    if (context.options.beforeWriting) context.options.beforeWriting();
    context.phase(msg::WritingPhase, wire::writeChars());
    context.progress(0);
    for (const WriteStep& step : WritePlan::steps()) {
        context.progress(percentOf(step.blockStart, WritePlan::End));
        carryOut(step);
        if (context.flags.ErrorFlag || context.flags.CancelFlag) break;
    }
    link_.ports().close();
    if (context.flags.CancelFlag) return;
    if (context.flags.ErrorFlag)
        link_.communicationError(msg::ProgramTitle);
    else
        context.pause(SettleMs);
}

void ProgramOperation::carryOut(const WriteStep& step) const
{
    switch (step.kind) {
    case WriteStep::Kind::Pause:
        link_.context().pause(SkipPauseMs);
        break;
    case WriteStep::Kind::Block:
        link_.writeBlock(image_, step.first, step.count);
        break;
    case WriteStep::Kind::Bytes:
        link_.writeBytes(image_, step.first, step.count);
        break;
    }
}

} // namespace zmp
