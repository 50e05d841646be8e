#include "link/writeplan.h"

namespace zmp {

namespace {
struct ByteRun {
    int blockStart;
    int first;
    int count;
};

constexpr ByteRun ByteRuns[] = {
    {0x0080, 0x00A0, 32},
    {0x0100, 0x0110, 48},
    {0x0280, 0x0280, 48},
    {0x02C0, 0x02C0, 32},
};

bool isSkipped(int a)
{
    return a <= 0x0040 || (a >= 0x0180 && a <= 0x0240) || (a >= 0x0700 && a <= 0x07C0) ||
           (a >= 0x4600 && a <= 0x46C0) || a == WritePlan::End;
}
} // namespace

WriteStep WritePlan::stepAt(int blockStart)
{
    for (const ByteRun& run : ByteRuns) {
        if (run.blockStart == blockStart) return {blockStart, WriteStep::Kind::Bytes, run.first, run.count};
    }
    if (isSkipped(blockStart)) return {blockStart, WriteStep::Kind::Pause, blockStart, 0};
    return {blockStart, WriteStep::Kind::Block, blockStart, BlockSize};
}

const std::vector<WriteStep>& WritePlan::steps()
{
    static const std::vector<WriteStep> plan = [] {
        std::vector<WriteStep> result;
        for (int a = 0; a <= End; a += BlockSize)
            result.push_back(stepAt(a));
        return result;
    }();
    return plan;
}

} // namespace zmp
