#include "link/programverifier.h"

#include <memory>

#include "image/settinglocator.h"
#include "link/linkframe.h"
#include "link/linkmessages.h"
#include "link/writeplan.h"

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

std::string hex(unsigned value, int digits)
{
    std::string text = LinkFrame::hexDigits(value);
    return "0x" + std::string(static_cast<std::size_t>(std::max(0, digits - int(text.size()))), '0') + text;
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

std::optional<int> ProgramVerifier::firstDifference(const MemoryImage& sent, const MemoryImage& radio)
{
    for (int block : blocks()) {
        for (int a = block; a < block + WritePlan::BlockSize; ++a)
            if (sent[a] != radio[a] && isWritten(a)) return a;
    }
    return std::nullopt;
}

void ProgramVerifier::run() const
{
    const LinkContext& context = link_.context();
    context.status(linktext::Verifying);
    auto radio = std::make_unique<MemoryImage>(sent_);
    readBack(*radio);
    if (context.flags.ErrorFlag || context.flags.CancelFlag) return;
    if (const auto address = firstDifference(sent_, *radio)) {
        context.flags.ErrorFlag = true;
        report(*address, (*radio)[*address]);
    }
}

void ProgramVerifier::readBack(MemoryImage& radio) const
{
    const LinkContext& context = link_.context();
    if (!link_.ports().portOpen()) {
        context.flags.ErrorFlag = true;
        return;
    }
    context.progress(0);
    const std::vector<int>& starts = blocks();
    for (std::size_t i = 0; i < starts.size(); ++i) {
        context.progress(percentOf(long(i + 1), long(starts.size())));
        link_.readBlock(radio, starts[i], WritePlan::BlockSize);
        if (context.flags.CancelFlag) {
            link_.abortRead();
            break;
        }
        if (context.flags.ErrorFlag) break;
    }
    link_.ports().close();
    if (!context.flags.CancelFlag && context.flags.ErrorFlag)
        context.message(linktext::CommunicationError, linktext::ProgramTitle);
}

void ProgramVerifier::report(int address, std::uint8_t found) const
{
    const std::string setting = settingAt(address);
    LinkMessage message{linktext::ProgramTitle, linktext::VerifyError};
    message.detail = "The radio holds " + hex(found, 2) + " at " + hex(unsigned(address), 4) + " where " +
                     hex(sent_[address], 2) + " was written" + (setting.empty() ? "" : " (" + setting + ")") +
                     ".";
    link_.context().host.showMessage(message);
}

} // namespace zmp
