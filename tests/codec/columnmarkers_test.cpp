#include <gtest/gtest.h>

#include "codec/columnmarkers.h"

namespace zmp {
namespace {

TEST(ColumnMarkers, markersAndFillers)
{
    EXPECT_EQ(columnMarker(ListColumn::Tx, true), "TX");
    EXPECT_EQ(columnMarker(ListColumn::Tx, false), "--");
    EXPECT_EQ(columnMarker(ListColumn::Low, false), "---");
    EXPECT_EQ(columnMarker(ListColumn::Up, true), "UP");
    EXPECT_EQ(columnMarker(ListColumn::Dup, true), "DUP");
    EXPECT_EQ(columnMarker(ListColumn::Mem, false), "---");
    EXPECT_EQ(columnMarker(ListColumn::Cmp, true), "CMP");
    EXPECT_EQ(columnMarker(ListColumn::N, true), "N ");
    EXPECT_EQ(columnMarker(ListColumn::N, false), "--");
    EXPECT_EQ(columnMarker(ListColumn::Enable, true), "ENABLE");
    EXPECT_EQ(columnMarker(ListColumn::Enable, false), "------");
    EXPECT_EQ(codeFieldText(4), "0");
    EXPECT_EQ(codeFieldText(7), "3");
    EXPECT_EQ(codeFieldText(3), "--");
}

} // namespace
} // namespace zmp
