// RFC 4180 text: quoting on the way out, and the records and their line
// numbers on the way in.
#include <gtest/gtest.h>

#include "exchange/csvtext.h"

using namespace zmp;

TEST(CsvText, quotesOnlyTheFieldsThatNeedIt)
{
    EXPECT_EQ(CsvText::row({"CH", "16", ""}), "CH,16,\r\n");
    EXPECT_EQ(CsvText::row({"a,b", "say \"hi\"", "two\nlines", "cr\r"}),
              "\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\r\"\r\n");
}

TEST(CsvText, parsesWhatItWritesWithTheStartingLineOfEachRecord)
{
    const std::string text =
        CsvText::row({"No.", "NAME"}) + CsvText::row({"1", "a,\"b\"\nc"}) + CsvText::row({"2", ""});
    std::string error;
    const auto rows = CsvText::parse(text, error);
    ASSERT_TRUE(rows) << error;
    ASSERT_EQ(rows->size(), 3u);
    EXPECT_EQ((*rows)[1].fields, (std::vector<std::string>{"1", "a,\"b\"\nc"}));
    EXPECT_EQ((*rows)[1].line, 2);
    EXPECT_EQ((*rows)[2].line, 4);
    EXPECT_EQ((*rows)[2].fields, (std::vector<std::string>{"2", ""}));
}

TEST(CsvText, takesByteOrderMarkBareLineFeedsAndNoFinalLineEnd)
{
    std::string error;
    const auto rows = CsvText::parse("\xEF\xBB\xBF"
                                     "a,b\n1,2",
                                     error);
    ASSERT_TRUE(rows) << error;
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ((*rows)[0].fields, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ((*rows)[1].fields, (std::vector<std::string>{"1", "2"}));
}

TEST(CsvText, malformedQuotesAreRefusedWithTheirLine)
{
    std::string error;
    EXPECT_FALSE(CsvText::parse("a,b\r\n1,\"open\r\n2,3\r\n", error));
    EXPECT_EQ(error, "line 2: a quoted field is not closed");
    EXPECT_FALSE(CsvText::parse("a\r\nb\"c\r\n", error));
    EXPECT_EQ(error, "line 2: a quote inside an unquoted field");
    EXPECT_FALSE(CsvText::parse("a\r\n\"b\"c\r\n", error));
    EXPECT_EQ(error, "line 2: text after a closing quote");
}
