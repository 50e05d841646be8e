#include <gtest/gtest.h>

#include "radiosim/linktext.h"

using zmp::radiosim::LinkText;

TEST(LinkText, buildsTheWorkedReplies)
{
    EXPECT_EQ(LinkText::frame("#QMPSD", {"00"}), "#QMPSD\t00\t78\r\n");
    EXPECT_EQ(LinkText::frame("#QMPDT", {"0080", "02", "1130"}), "#QMPDT\t0080\t02\t1130\t76\r\n");
    EXPECT_EQ(LinkText::frame("#QMPWR", {"0286", "01", "FF"}), "#QMPWR\t0286\t01\tFF\t67\r\n");
}

TEST(LinkText, writesSmallChecksumsWithALeadingZero)
{
    EXPECT_EQ(LinkText::frame("#QMPDT", {"0000", "01", "0A"}), "#QMPDT\t0000\t01\t0A\t0F\r\n");
    EXPECT_EQ(LinkText::hex(0x5, 2), "05");
}

TEST(LinkText, checksOfReceivedLines)
{
    EXPECT_TRUE(LinkText::checksumValid("#QMPSR\t00\t6E"));
    EXPECT_TRUE(LinkText::checksumValid("#QMPSR\t00\t6e"));
    EXPECT_TRUE(LinkText::checksumValid("#QMPRD\t0100\t07\t76"));
    EXPECT_FALSE(LinkText::checksumValid("#QMPRD\t0100\t07\t77"));
    EXPECT_FALSE(LinkText::checksumValid("#QMPRD\t0100\t07\tZZ"));
    EXPECT_FALSE(LinkText::checksumValid("6E"));
}

TEST(LinkText, splitsAtEveryTab)
{
    const auto fields = LinkText::split("#QMPWR\t0286\t01\tFF\t67");
    ASSERT_EQ(fields.size(), 5u);
    EXPECT_EQ(fields[0], "#QMPWR");
    EXPECT_EQ(fields[3], "FF");
    EXPECT_EQ(LinkText::split("\t\t").size(), 3u);
}

TEST(LinkText, parsesHexOfEitherCaseOnly)
{
    unsigned value = 7;
    EXPECT_TRUE(LinkText::parseHex("7fC0", value));
    EXPECT_EQ(value, 0x7FC0u);
    EXPECT_TRUE(LinkText::parseHex("100", value));
    EXPECT_EQ(value, 0x100u);
    EXPECT_FALSE(LinkText::parseHex("", value));
    EXPECT_FALSE(LinkText::parseHex("12G", value));
    EXPECT_FALSE(LinkText::parseHex("-1", value));
    EXPECT_EQ(value, 0x100u);
}

TEST(LinkText, escapesControlBytesForTheLog)
{
    EXPECT_EQ(LinkText::escape(std::string("#CMDOK\r\n")), "#CMDOK\\r\\n");
    EXPECT_EQ(LinkText::escape(std::string("a\tb\\")), "a\\tb\\\\");
    EXPECT_EQ(LinkText::escape(std::string("\x18\xff", 2)), "\\x18\\xFF");
}
