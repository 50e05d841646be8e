#include "image/channeltablecodec.h"

#include <algorithm>

#include "image/channelcontrol.h"
#include "image/expchannelcodec.h"
#include "image/fieldcodec.h"
#include "image/imagemap.h"

namespace zmp {

namespace {

constexpr int PlanControlStride = 2;

int coveredCount(const ChannelTableLayout& layout, const ChannelTable& table)
{
    return std::min(layout.entryCount, static_cast<int>(table.size()));
}

ChannelRecord& recordAt(ChannelTable& table, int i)
{
    return table[static_cast<std::size_t>(i)];
}
const ChannelRecord& recordAt(const ChannelTable& table, int i)
{
    return table[static_cast<std::size_t>(i)];
}

void decodeBitmaps(const MemoryImage& image, const ChannelTableLayout& layout, ChannelTable& table)
{
    const int count = coveredCount(layout, table);
    const auto enable = decodeFlagBitmap(image, layout.enableAddress, layout.bitmapBytes, count);
    const auto scan = decodeFlagBitmap(image, layout.scanAddress, layout.bitmapBytes, count);
    for (std::size_t i = 0; i < enable.size(); ++i)
        table[i].Enable = enable[i];
    for (std::size_t i = 0; i < scan.size(); ++i)
        table[i].ScanMemory = scan[i];
}

void encodeBitmaps(MemoryImage& image, const ChannelTableLayout& layout, const ChannelTable& table)
{
    const int count = coveredCount(layout, table);
    std::vector<bool> enable(static_cast<std::size_t>(count));
    std::vector<bool> scan(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        enable[static_cast<std::size_t>(i)] = recordAt(table, i).Enable;
        scan[static_cast<std::size_t>(i)] = recordAt(table, i).ScanMemory;
    }
    encodeFlagBitmap(image, layout.enableAddress, layout.bitmapBytes, enable);
    encodeFlagBitmap(image, layout.scanAddress, layout.bitmapBytes, scan);
}

int nameAddress(const ChannelTableLayout& layout, int i)
{
    return layout.nameAddress + address::ChannelNameLength * i;
}

} // namespace

void decodeChannelTable(const MemoryImage& image, const ChannelTableLayout& layout, ChannelTable& table)
{
    decodeBitmaps(image, layout, table);
    const int count = coveredCount(layout, table);
    for (int i = 0; i < count; ++i) {
        ChannelRecord& record = recordAt(table, i);
        record.ChTag = decodeText(image, nameAddress(layout, i), address::ChannelNameLength);
        if (layout.control == ChannelControl::PlanControlByte)
            decodeControlByte(image[layout.controlAddress + PlanControlStride * i], record);
        else if (layout.control == ChannelControl::ExpRecord)
            decodeExpRecord(image, layout.controlAddress + address::ExpRecordStride * i, record);
    }
}

void encodeChannelTable(MemoryImage& image, const ChannelTableLayout& layout, const ChannelTable& table)
{
    encodeBitmaps(image, layout, table);
    const int count = coveredCount(layout, table);
    for (int i = 0; i < count; ++i) {
        const ChannelRecord& record = recordAt(table, i);
        encodeText(image, nameAddress(layout, i), address::ChannelNameLength, record.ChTag);
        if (layout.control == ChannelControl::PlanControlByte) {
            const int a = layout.controlAddress + PlanControlStride * i;
            image[a] = encodeControlByte(image[a], record);
        } else if (layout.control == ChannelControl::ExpRecord) {
            encodeExpRecord(image, layout.controlAddress + address::ExpRecordStride * i, record);
        }
    }
}

} // namespace zmp
