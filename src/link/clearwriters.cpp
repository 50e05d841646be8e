#include "link/clearwriters.h"

#include "message/messagetexts.h"

namespace zmp {

namespace {
constexpr int BlockSize = 64;
constexpr int SmallBlockSize = 32;
constexpr int DirectoryStart = 0x4700;
constexpr int SettleMs = 500;

bool keptByClearAll(int a)
{
    return (a >= 0x4C00 && a <= 0x4EFF) || a >= 0x7FC0;
}
} // namespace

void ClearWriters::clearBytes(const std::vector<int>& addresses, const char* source, const char* title) const
{
    guard_.run(source, title, [&] { writeBytes(addresses, title); });
}

void ClearWriters::clearAny(int first, int last) const
{
    guard_.run(msg::SourceClearAny, msg::ProgramTitle, [&] { writeAny(first, last); });
}

void ClearWriters::clearAny2(int first, int last) const
{
    guard_.run(msg::SourceClearAny2, msg::ProgramTitle, [&] { writeAny2(first, last); });
}

void ClearWriters::clearAll() const
{
    guard_.run(msg::SourceClearAny, msg::ProgramTitle, [&] { writeAll(); });
}

void ClearWriters::writeBytes(const std::vector<int>& addresses, const char* title) const
{
    if (!link_.ports().portOpen()) return;
    link_.context().phase(msg::WritingPhase);
    link_.context().progress(0);
    link_.writeBytes(image_, addresses);
    finish(title, true);
}

void ClearWriters::writeAny(int first, int last) const
{
    const LinkContext& context = link_.context();
    if (!link_.ports().portOpen()) return;
    context.phase(msg::WritingPhase);
    context.progress(0);
    for (int a = 0; a <= image_.lastAddress; a += BlockSize) {
        context.host.processEvents();
        context.progress(percentOf(a, image_.lastAddress));
        if (a < first || a > last) {
            context.pause(OutsidePauseMs);
        } else {
            link_.writeBlock(image_, a, BlockSize);
            if (context.flags.ErrorFlag) break;
        }
        if (context.flags.CancelFlag) break;
    }
    finish(msg::ProgramTitle, false);
}

void ClearWriters::writeAny2(int first, int last) const
{
    const LinkContext& context = link_.context();
    if (!link_.ports().portOpen()) return;
    for (int a = first; a <= last; a += SmallBlockSize) {
        context.host.processEvents();
        link_.writeBlock(image_, a, SmallBlockSize);
        if (context.flags.CancelFlag) return;
        if (context.flags.ErrorFlag) break;
    }
    if (context.flags.ErrorFlag) link_.communicationError(msg::ProgramTitle);
}

void ClearWriters::writeAll() const
{
    const LinkContext& context = link_.context();
    if (!link_.ports().portOpen()) return;
    context.phase(msg::WritingPhase);
    context.progress(0);
    const int last = image_.lastAddress;
    for (int a = DirectoryStart; a <= last; a += BlockSize) {
        context.progress(percentOf(a - DirectoryStart, last - DirectoryStart));
        if (keptByClearAll(a))
            context.pause(OutsidePauseMs);
        else
            link_.writeBlock(image_, a, BlockSize);
        if (context.flags.ErrorFlag || context.flags.CancelFlag) break;
    }
    finish(msg::ProgramTitle, false);
}

void ClearWriters::finish(const char* title, bool fullProgress) const
{
    const LinkContext& context = link_.context();
    link_.ports().close();
    if (context.flags.CancelFlag) return;
    if (context.flags.ErrorFlag) {
        link_.communicationError(title);
        return;
    }
    if (fullProgress) context.progress(100);
    context.pause(SettleMs);
}

} // namespace zmp
