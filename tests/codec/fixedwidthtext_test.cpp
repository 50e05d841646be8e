#include <gtest/gtest.h>

#include "codec/fixedwidthtext.h"

namespace zmp {
namespace {

TEST(FixedWidthText, padsCutsAndDashesEmptyFields)
{
    EXPECT_EQ(fixedWidthText("ABCDEFGHIJKLMNO", NameFieldWidth), "ABCDEFGHIJKL");
    EXPECT_EQ(fixedWidthText("CH16", NameFieldWidth), "CH16        ");
    EXPECT_EQ(fixedWidthText("", NameFieldWidth), "------------");
    EXPECT_EQ(fixedWidthText("", MmsiFieldWidth), "---------");
    EXPECT_EQ(fixedWidthText("", ShortChannelFieldWidth), "---");
    EXPECT_EQ(padText("", 3), "   ");
    EXPECT_EQ(padText("AB", 0), "");
    EXPECT_EQ(freeFieldText(""), "----");
    EXPECT_EQ(freeFieldText("   "), "----");
    EXPECT_EQ(freeFieldText("HARB"), "HARB");
}

} // namespace
} // namespace zmp
