#include <gtest/gtest.h>

#include "files/sectiontable.h"

namespace zmp {
namespace {

TEST(SectionTable, valuesAreTrimmedAndLoseOneLeadingHash)
{
    const SectionTable table = SectionTable::fromText(
        "[CHUSA0]\r\nChTag=#  AB  \r\nTwo=##x\r\nPlain=  text \r\nEmpty=\r\nMid=a#b\r\n");
    EXPECT_EQ(table.lookupValue("CHUSA0", "ChTag"), "  AB");
    EXPECT_EQ(table.lookupValue("CHUSA0", "Two"), "#x");
    EXPECT_EQ(table.lookupValue("CHUSA0", "Plain"), "text");
    EXPECT_EQ(table.lookupValue("CHUSA0", "Empty"), "");
    EXPECT_EQ(table.lookupValue("CHUSA0", "Mid"), "a#b");
}

TEST(SectionTable, firstKeyWinsAcrossSectionsOfTheSameName)
{
    const SectionTable table = SectionTable::fromText("[A]\nk=1\nk=2\n[B]\nk=3\n[a]\nk=4\nj=5\n");
    EXPECT_EQ(table.lookupValue("A", "K"), "1");
    EXPECT_EQ(table.lookupValue("A", "J"), "5");
    EXPECT_EQ(table.lookupValue("B", "K"), "3");
    EXPECT_EQ(table.lastSectionIndex(), 2);
    EXPECT_TRUE(table.hasSection("b"));
    EXPECT_FALSE(table.hasSection("C"));
}

TEST(SectionTable, everyLineEndReadsAlike)
{
    for (const char* text :
         {"[A]\r\nk=1\r\nj=2\r\n", "[A]\nk=1\nj=2\n", "[A]\rk=1\rj=2", "[A]\r\nk=1\nj=2\r"}) {
        const SectionTable table = SectionTable::fromText(text);
        EXPECT_EQ(table.lookupValue("A", "K"), "1") << text;
        EXPECT_EQ(table.lookupValue("A", "J"), "2") << text;
    }
}

TEST(SectionTable, piecesSplitAnywhereGiveTheSameTable)
{
    const std::string text = "[MAIN]\r\nMODELTYPE=1\r\n[CHUSA0]\r\nChTag=#  AB\r\n\r\nEnable=1\r\n";
    SectionTable table;
    for (const char c : text)
        table.feed(std::string_view(&c, 1));
    table.finish();
    EXPECT_EQ(table.lookupValue("MAIN", "MODELTYPE"), "1");
    EXPECT_EQ(table.lookupValue("CHUSA0", "CHTAG"), "  AB");
    EXPECT_EQ(table.lookupValue("CHUSA0", "ENABLE"), "1");
    EXPECT_EQ(table.lastSectionIndex(), 1);
}

TEST(SectionTable, malformedHeadersAreDiscardedWithTheirKeys)
{
    const SectionTable table = SectionTable::fromText("k=0\n[]\nk=1\n[NOCLOSE\nk=2\n[OK]x\nk=3\n");
    EXPECT_EQ(table.lookupValue("", "K"), "");
    EXPECT_EQ(table.lookupValue("NOCLOSE", "K"), "");
    EXPECT_EQ(table.lookupValue("OK", "K"), "3");
    EXPECT_EQ(table.lastSectionIndex(), 0);
    EXPECT_FALSE(table.hasSection("NOCLOSE"));
}

TEST(SectionTable, lineWithBracketEndsTheSectionOtherLinesAreIgnored)
{
    const SectionTable table =
        SectionTable::fromText("[A]\nk=1\n=skipped\njunk\nj=2\nnot [a header\nl=3\n[B]\nm=4\n");
    EXPECT_EQ(table.lookupValue("A", "K"), "1");
    EXPECT_EQ(table.lookupValue("A", "J"), "2");
    EXPECT_EQ(table.lookupValue("A", "L"), "") << "key lines after a section's end belong to no section";
    EXPECT_EQ(table.lookupValue("A", ""), "");
    EXPECT_EQ(table.lookupValue("B", "M"), "4");
}

TEST(SectionTable, headerEndingTheFileAfterKeyLinesAddsNoSection)
{
    EXPECT_EQ(SectionTable::fromText("").lastSectionIndex(), -1);
    EXPECT_EQ(SectionTable::fromText("[A]").lastSectionIndex(), 0);
    EXPECT_EQ(SectionTable::fromText("[A]\r\nk=1\r\n[B]\r\n").lastSectionIndex(), 0);
    EXPECT_EQ(SectionTable::fromText("[A]\r\nk=1\r\n[B]").lastSectionIndex(), 0);
    EXPECT_EQ(SectionTable::fromText("[A]\r\nk=1\r\n[B]\r\n\r\n").lastSectionIndex(), 1);
}

TEST(SectionTable, overlongLineIsRefused)
{
    std::string text = "[A]\nk=";
    text.append(SectionTable::MaxLineLength, 'x');
    text += "\nj=1\n";
    const SectionTable table = SectionTable::fromText(text);
    EXPECT_EQ(table.status(), SectionTable::Status::LineTooLong);
    EXPECT_EQ(table.lookupValue("A", "K"), "");
}

TEST(SectionTable, lineJustWithinTheLimitIsRead)
{
    std::string text = "[A]\nk=";
    text.append(SectionTable::MaxLineLength - 2, 'x');
    const SectionTable table = SectionTable::fromText(text + "\n");
    ASSERT_TRUE(table.ok());
    EXPECT_EQ(table.lookupValue("A", "K").size(), SectionTable::MaxLineLength - 2);
}

TEST(SectionTable, repeatedContentStaysWithinBoundsDistinctFloodIsRefused)
{
    SectionTable repeated;
    const std::string block = "[CHUSA0]\r\nPosition=0\r\nChTag=#NAME\r\n";
    for (int i = 0; i < 200000; ++i)
        repeated.feed(block);
    repeated.finish();
    EXPECT_TRUE(repeated.ok());
    EXPECT_EQ(repeated.lookupValue("CHUSA0", "ChTag"), "NAME");

    SectionTable flood;
    for (int i = 0; i < 200000 && flood.ok(); ++i)
        flood.feed("[S" + std::to_string(i) + "]\nkey=value\n");
    flood.finish();
    EXPECT_EQ(flood.status(), SectionTable::Status::TooManyEntries);
}

TEST(SectionTable, binaryBytesAreJustText)
{
    std::string text("[A\0B]\n\xff\xfe=\x01\x80\n[C]\nk=\0v\n", 21);
    const SectionTable table = SectionTable::fromText(text);
    EXPECT_TRUE(table.ok());
    EXPECT_EQ(table.lookupValue(std::string("A\0B", 3), "\xff\xfe"), "\x01\x80");
    EXPECT_EQ(table.lookupValue("C", "K"), std::string("\0v", 2));
}

} // namespace
} // namespace zmp
