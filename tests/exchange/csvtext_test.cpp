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

// Every fault is told, and each malformed record keeps its place while
// reading goes on from the next physical line.
TEST(CsvText, readingGoesOnAfterEachMalformedRecord)
{
    std::vector<std::string> errors;
    const auto rows = CsvText::parseAll("a,b\r\nx\"y,4\r\n\"z\"!,5\n2,3\r\n1,\"open\r\n6,7", errors);
    EXPECT_EQ(errors, (std::vector<std::string>{"line 2: a quote inside an unquoted field",
                                                "line 3: text after a closing quote",
                                                "line 5: a quoted field is not closed"}));
    ASSERT_EQ(rows.size(), 6u);
    for (const std::size_t i : {1u, 2u, 4u})
        EXPECT_TRUE(rows[i].malformed) << i;
    EXPECT_EQ(rows[3].line, 4);
    EXPECT_EQ(rows[3].fields, (std::vector<std::string>{"2", "3"}));
    EXPECT_EQ(rows[5].line, 6);
    EXPECT_EQ(rows[5].fields, (std::vector<std::string>{"6", "7"}));
}
