#include "link/programoperation.h"

#include "link/failureguard.h"
#include "link/identitycheck.h"
#include "link/linkmessages.h"
#include "link/operationsteps.h"

namespace zmp {

namespace {
constexpr int SkipPauseMs = 50;
constexpr int SettleMs = 500;
} // namespace

void ProgramOperation::run() const
{
    const OperationSteps steps(link_);
    if (!steps.start()) return;
    if (IdentityCheck(link_, image_, model_).run()) {
        link_.context().status(linktext::Writing);
        FailureGuard(link_.context(), link_.ports()).run(linktext::SourceWriteData, [&] { writeData(); });
        if (!steps.failed()) steps.complete();
    }
    steps.end();
}

void ProgramOperation::writeData() const
{
    const LinkContext& context = link_.context();
    if (!link_.ports().portOpen()) return;
    context.progress(0);
    for (const WriteStep& step : WritePlan::steps()) {
        context.progress(percentOf(step.blockStart, WritePlan::End));
        carryOut(step);
        if (context.flags.ErrorFlag || context.flags.CancelFlag) break;
    }
    link_.ports().close();
    if (context.flags.CancelFlag) return;
    if (context.flags.ErrorFlag)
        context.message(linktext::CommunicationError, linktext::ProgramTitle);
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
        // A run's outcome is that of its last byte, but a Cancel must not
        // be lost to the next byte's attempt, which clears the flag.
        for (int a = step.first; a < step.first + step.count && !link_.context().flags.CancelFlag; ++a) {
            link_.writeBlock(image_, a, 1);
        }
        break;
    }
}

} // namespace zmp
