#include "link/programverifier.h"

#include <algorithm>
#include <memory>
#include <string>

#include "image/settinglocator.h"
#include "link/linkframe.h"
#include "link/writeplan.h"
#include "message/messagetexts.h"

namespace zmp {

namespace {

bool isWritten(int address)
{
    for (const WriteStep& step : WritePlan::steps()) {
        if (step.kind != WriteStep::Kind::Pause && address >= step.first && address < step.first + step.count)
            return true;
    }
    return false;
}

std::optional<int> differenceIn(int block, const MemoryImage& sent, const MemoryImage& radio)
{
    for (int a = block; a < block + WritePlan::BlockSize; ++a)
        if (sent[a] != radio[a] && isWritten(a)) return a;
    return std::nullopt;
}

} // namespace

const std::vector<int>& ProgramVerifier::blocks()
{
    static const std::vector<int> starts = [] {
        std::vector<int> result;
        for (const WriteStep& step : WritePlan::steps()) {
            if (step.kind == WriteStep::Kind::Pause) continue;
            const int block = step.first / WritePlan::BlockSize * WritePlan::BlockSize;
            if (result.empty() || result.back() != block) result.push_back(block);
        }
        return result;
    }();
    return starts;
}

void ProgramVerifier::run() const
{
    const LinkContext& context = link_.context();
    context.status(msg::Verifying);
    auto radio = std::make_unique<MemoryImage>(sent_);
    const std::optional<int> address = readBack(*radio);
    if (context.flags.ErrorFlag || context.flags.CancelFlag || !address) return;
    context.flags.ErrorFlag = true;
    report(*address, (*radio)[*address]);
}

// Stops at the first block that differs: one difference fails the program.
std::optional<int> ProgramVerifier::readBack(MemoryImage& radio) const
{
    const LinkContext& context = link_.context();
    if (!link_.ports().portOpen()) {
        context.flags.ErrorFlag = true;
        return std::nullopt;
    }
    std::optional<int> difference;
    const std::vector<int>& starts = blocks();
    context.phase(msg::VerifyingPhase, wire::readChars(int(starts.size())));
    context.progress(0);
    for (std::size_t i = 0; i < starts.size(); ++i) {
        context.progress(percentOf(long(i + 1), long(starts.size())));
        link_.readBlock(radio, starts[i], WritePlan::BlockSize);
        if (context.flags.CancelFlag) {
            link_.abortRead();
            break;
        }
        if (context.flags.ErrorFlag) break;
        difference = differenceIn(starts[i], sent_, radio);
        if (difference) break;
    }
    link_.ports().close();
    if (!context.flags.CancelFlag && context.flags.ErrorFlag) link_.communicationError(msg::ProgramTitle);
    return difference;
}

void ProgramVerifier::report(int address, std::uint8_t found) const
{
    const std::string setting = settingAt(address);
    Message message{msg::ProgramTitle, msg::VerifyError, MessageIcon::Critical};
    message.detail = "The radio holds " + LinkFrame::shown(found, 2) + " at " +
                     LinkFrame::shown(unsigned(address), 4) + " where " +
                     LinkFrame::shown(sent_[address], 2) + " was written" +
                     (setting.empty() ? "" : " (" + setting + ")") + ".";
    link_.context().host.showMessage(message);
}

} // namespace zmp
