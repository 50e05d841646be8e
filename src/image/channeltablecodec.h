#pragma once

#include "model/memoryimage.h"
#include "model/records.h"

// The five channel tables, each coded in four steps of the same shape:
// Enable bitmap, ScanMemory bitmap, names, control bytes or EXP records.
namespace zmp {

enum class ChannelControl { PlanControlByte, None, ExpRecord };

struct ChannelTableLayout {
    int entryCount;
    int enableAddress;
    int scanAddress;
    int bitmapBytes;
    int nameAddress;
    ChannelControl control;
    int controlAddress; // 2-byte slots or 16-byte EXP records
};

// The USA, INT and CAN tables: one entry per plan row, 30-byte bitmaps, 2-byte control slots.
constexpr ChannelTableLayout planTableLayout(int enable, int scan, int names, int controls)
{
    return {PlanRowCount, enable, scan, 30, names, ChannelControl::PlanControlByte, controls};
}

inline constexpr ChannelTableLayout UsaLayout = planTableLayout(1536, 1664, 4864, 2048);
inline constexpr ChannelTableLayout IntLayout = planTableLayout(1568, 1696, 8704, 2560);
inline constexpr ChannelTableLayout CanLayout = planTableLayout(1600, 1728, 12544, 3072);
// clang-format off
inline constexpr ChannelTableLayout WxLayout{WxChannelCount, 1632, 1760, 2, 16384, ChannelControl::None, 0};
inline constexpr ChannelTableLayout ExpLayout{ExpChannelCount, 1636, 1764, 8, 16640, ChannelControl::ExpRecord,
                                              3584};
// clang-format on

// Only the records the table holds and the layout covers are touched.
void decodeChannelTable(const MemoryImage& image, const ChannelTableLayout& layout, ChannelTable& table);
void encodeChannelTable(MemoryImage& image, const ChannelTableLayout& layout, const ChannelTable& table);

} // namespace zmp
