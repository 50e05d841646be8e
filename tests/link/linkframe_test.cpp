#include <gtest/gtest.h>

#include "link/linkframe.h"

namespace zmp {
namespace {

TEST(LinkFrame, omitsEmptyFieldsWithTheirTab)
{
    const std::string status = LinkFrame::build("#QMPSR", "00", "", "");
    EXPECT_EQ(status, "#QMPSR\t00\t6E\r\n");
    EXPECT_EQ(status.size(), 14u);
}

TEST(LinkFrame, buildsTheWorkedReadAndWriteRequests)
{
    EXPECT_EQ(LinkFrame::build("#QMPRD", LinkFrame::address(0x0100), LinkFrame::length(7), ""),
              "#QMPRD\t0100\t07\t76\r\n");
    EXPECT_EQ(LinkFrame::build("#QMPWR", LinkFrame::address(0x0286), LinkFrame::length(1), "FF"),
              "#QMPWR\t0286\t01\tFF\t67\r\n");
}

TEST(LinkFrame, writesSmallChecksumsWithALeadingZero)
{
    EXPECT_EQ(LinkFrame::build("#QMPRD", LinkFrame::address(0x00C0), LinkFrame::length(64), ""),
              "#QMPRD\t00C0\t40\t07\r\n");
    EXPECT_EQ(LinkFrame::build("#QMPRD", LinkFrame::address(0x000A), LinkFrame::length(2), ""),
              "#QMPRD\t000A\t02\t03\r\n");
}

TEST(LinkFrame, checksOfRepliesAcceptEitherLetterCase)
{
    EXPECT_TRUE(LinkFrame::replyChecksumOk("#QMPSD\t00\t78"));
    EXPECT_TRUE(LinkFrame::replyChecksumOk("#QMPDT\t0080\t02\t1130\t76"));
    EXPECT_TRUE(LinkFrame::replyChecksumOk("#QMPDT\t100\t07\t4b543733395200\t17"));
    EXPECT_FALSE(LinkFrame::replyChecksumOk("#QMPSD\t00\t79"));
    EXPECT_FALSE(LinkFrame::replyChecksumOk("#QMPSD\t00\tzz"));
    EXPECT_FALSE(LinkFrame::replyChecksumOk("00"));
}

TEST(LinkFrame, parsesHexOfEitherCaseAndRejectsOtherText)
{
    EXPECT_EQ(LinkFrame::parseHex("100"), 0x100u);
    EXPECT_EQ(LinkFrame::parseHex("0100"), 0x100u);
    EXPECT_EQ(LinkFrame::parseHex("aB"), 0xABu);
    EXPECT_FALSE(LinkFrame::parseHex(""));
    EXPECT_FALSE(LinkFrame::parseHex("1G"));
    EXPECT_EQ(LinkFrame::hexDigits(0x0102), "102");
    EXPECT_EQ(LinkFrame::hexDigits(0), "0");
}

} // namespace
} // namespace zmp
