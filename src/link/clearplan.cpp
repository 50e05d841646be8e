#include "link/clearplan.h"

#include <cstdint>

namespace zmp {

namespace {
constexpr std::uint8_t Erased = 0xFF;

void fill(MemoryImage& image, int first, int last, std::uint8_t value)
{
    for (int a = first; a <= last && a <= image.lastAddress; ++a)
        image[a] = value;
}

void eraseBlocks(OperationType type, MemoryImage& image)
{
    const AddressRange range = ClearPlan::blockRange(type);
    fill(image, range.first, range.last, Erased);
    if (type == OperationType::ClearWayPoint) fill(image, 0x5100, 0x5163, 0x00);
}

void eraseDscTx(MemoryImage& image)
{
    for (const AddressRange& range : ClearPlan::dscTxRanges())
        fill(image, range.first, range.last, Erased);
    eraseBlocks(OperationType::ClearDscTxLog, image);
}
} // namespace

std::string ClearPlan::statusText(OperationType type)
{
    static const char* const texts[] = {
        "radio clear...",          "radio clear DSC...",
        "radio clear Distress...", "radio clear individual...",
        "radio clear group...",    "radio clear waypoint...",
        "radio clear DSCTX...",    "radio clear All...",
        "radio clear ATIS...",
    };
    return isClearOperation(type) ? texts[static_cast<int>(type) - 2] : "";
}

void ClearPlan::erase(OperationType type, MemoryImage& image)
{
    switch (type) {
    case OperationType::ClearMmsi:
        fill(image, 0x0280, 0x0284, Erased);
        image[0x0285] = 0x00;
        break;
    case OperationType::ClearAtis:
        fill(image, 0x0286, 0x028A, Erased);
        for (int a : {0x028B, 0x0132, 0x0142, 0x0152})
            image[a] = 0x00;
        break;
    case OperationType::ClearDscTxLog:
        eraseDscTx(image);
        break;
    case OperationType::ClearAll:
        for (OperationType kind :
             {OperationType::ClearDscLog, OperationType::ClearDistressLog, OperationType::ClearIndividual,
              OperationType::ClearGroup, OperationType::ClearWayPoint}) {
            eraseBlocks(kind, image);
        }
        eraseDscTx(image);
        break;
    default:
        if (isClearOperation(type)) eraseBlocks(type, image);
        break;
    }
}

std::vector<int> ClearPlan::byteAddresses(OperationType type)
{
    if (type == OperationType::ClearMmsi) return {0x0280, 0x0281, 0x0282, 0x0283, 0x0284, 0x0285};
    if (type == OperationType::ClearAtis) {
        return {0x0286, 0x0287, 0x0288, 0x0289, 0x028A, 0x028B, 0x0132, 0x0142, 0x0152};
    }
    return {};
}

AddressRange ClearPlan::blockRange(OperationType type)
{
    switch (type) {
    case OperationType::ClearDscLog:
        return {0x6900, 0x78FF};
    case OperationType::ClearDistressLog:
        return {0x7900, 0x7FBF};
    case OperationType::ClearIndividual:
        return {0x4700, 0x4BFF};
    case OperationType::ClearGroup:
        return {0x4F00, 0x50FF};
    case OperationType::ClearWayPoint:
        return {0x5100, 0x5E7F};
    case OperationType::ClearDscTxLog:
        return {0x6300, 0x68FF};
    default:
        return {0, -1};
    }
}

const std::vector<AddressRange>& ClearPlan::dscTxRanges()
{
    static const std::vector<AddressRange> ranges = {
        {0x0300, 0x035F}, {0x0380, 0x03DF}, {0x0400, 0x045F},
        {0x0480, 0x04DF}, {0x0500, 0x055F}, {0x0580, 0x05DF},
    };
    return ranges;
}

} // namespace zmp
