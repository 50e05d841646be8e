#include "report/printedreport.h"

#include "reporttestsupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zmp {
namespace {

// A page tall enough that no section has to go on over a further page.
PageGeometry tallPage()
{
    PageGeometry geometry;
    geometry.heightMm = 2000.0;
    return geometry;
}

const PrintItem* findItem(const PrintPage& page, const std::string& text)
{
    const auto found =
        std::find_if(page.begin(), page.end(), [&](const PrintItem& item) { return item.text == text; });
    return found == page.end() ? nullptr : &*found;
}

// The texts on the same line as the item with the given text, left to right, with their x.
std::vector<std::pair<double, std::string>> lineOf(const PrintPage& page, const std::string& text)
{
    const PrintItem* anchor = findItem(page, text);
    if (!anchor) return {};
    std::vector<std::pair<double, std::string>> line;
    for (const PrintItem& item : page)
        if (item.yMm == anchor->yMm) line.emplace_back(item.xMm, item.text);
    return line;
}

class PrintedReportTest : public ::testing::Test {
  protected:
    PrintedReport print(const PageGeometry& geometry = tallPage())
    {
        return printedReport({records, image, model, hasAtis}, geometry);
    }

    Records records = test::planRecords();
    MemoryImage image;
    int model = ModelMr4400;
    bool hasAtis = false;
};

TEST_F(PrintedReportTest, settingsThenOnePagePerListWithoutAtis)
{
    const PrintedReport pages = print();
    ASSERT_EQ(pages.size(), 8u);
    const std::vector<std::string> headings{
        "##### Programable USA Channel #####",    "##### Programable International Channel #####",
        "##### Programable Canada Channel #####", "##### Programable Wx Channel #####",
        "##### Memory ID Setting #####",          "##### Group ID Setting #####",
        "##### Programable Exp Channel #####"};
    for (std::size_t i = 0; i < headings.size(); ++i) {
        ASSERT_GE(pages[i + 1].size(), 2u);
        EXPECT_EQ(pages[i + 1][1].text, headings[i]);
    }
    for (const char* heading :
         {"##### Usable CH Group Setup #####", "##### Common Setup #####",
          "##### DSC Setup (Basic Setup) #####", "##### DSC Setup (Advanced Setup) #####",
          "##### DSC Setup (Display Setup) #####"})
        EXPECT_NE(findItem(pages[0], heading), nullptr) << heading;
    for (const PrintPage& page : pages)
        EXPECT_EQ(findItem(page, "##### ATIS Setup (Common) #####"), nullptr);
}

TEST_F(PrintedReportTest, everyPageButTheAtisPageBeginsWithTheModelLine)
{
    hasAtis = true;
    const PrintedReport pages = print();
    ASSERT_EQ(pages.size(), 9u);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const PrintItem& first = pages[i].front();
        EXPECT_DOUBLE_EQ(first.yMm, 5.0);
        EXPECT_DOUBLE_EQ(first.xMm, 10.0);
        EXPECT_EQ(first.text, i == 1 ? "##### ATIS Setup (Common) #####" : "MR4400 Zampler") << "page " << i;
    }
    EXPECT_EQ(findItem(pages[1], "MR4400 Zampler"), nullptr);
    EXPECT_EQ(pages[2][1].text, "##### Programable USA Channel #####");
}

TEST_F(PrintedReportTest, modelLineNamesTheModel)
{
    model = ModelMr4400M;
    EXPECT_EQ(print().front().front().text, "MR4400M Zampler");
    EXPECT_EQ(printedPageHeader(ModelMr4400), "MR4400 Zampler");
}

TEST_F(PrintedReportTest, linesFollowEachOtherAtTheLinePitch)
{
    PageGeometry geometry = tallPage();
    geometry.lineHeightMm = 4.0;
    geometry.pointSize = 9.0;
    const PrintPage page = print(geometry).front();
    const PrintItem* heading = findItem(page, "##### Usable CH Group Setup #####");
    ASSERT_NE(heading, nullptr);
    EXPECT_DOUBLE_EQ(heading->yMm, 5.0 + 2 * 4.0); // after the model line and one empty line
    EXPECT_EQ(heading->style, PrintFontStyle::Bold);
    EXPECT_DOUBLE_EQ(findItem(page, "Enable")->yMm, 5.0 + 4 * 4.0);
    for (const PrintItem& item : page)
        EXPECT_DOUBLE_EQ(item.pointSize, 9.0);
}

TEST_F(PrintedReportTest, groupColumnsStandThirtyMillimetresApart)
{
    records.groups[Group2].Enable = true;
    records.groups[Group3].PriorityCh = 240;
    const PrintPage page = print().front();
    using Line = std::vector<std::pair<double, std::string>>;
    EXPECT_EQ(lineOf(page, "Group1"),
              (Line{{60, "Group1"}, {90, "Group2"}, {120, "Group3"}, {150, "Exp CH"}}));
    EXPECT_EQ(lineOf(page, "Enable"),
              (Line{{10, "Enable"}, {60, "Off"}, {90, "On"}, {120, "Off"}, {150, "Off"}}));
    EXPECT_EQ(lineOf(page, "Priority CH"),
              (Line{{10, "Priority CH"}, {60, "Off"}, {90, "Off"}, {120, "EXP1"}}));
    EXPECT_NE(findItem(page, "Status name"), nullptr);
    EXPECT_EQ(findItem(page, "Status Name"), nullptr);
}

TEST_F(PrintedReportTest, dscBasicSectionPrintsTheCallAndBeepSettings)
{
    records.settings[slot::PosRequest + 1] = 1;
    records.settings[slot::PosRequestTx + 2] = 1;
    records.settings[slot::BeepOut + 4] = 1;
    records.dscFlags[dscslot::ReceivedGeografic] = false;
    records.dscFlags[dscslot::DistressCancelCall] = true;
    records.userMmsi = "1234567890";
    image[645] = 1;
    const PrintPage page = print().front();
    using Line = std::vector<std::pair<double, std::string>>;
    EXPECT_EQ(lineOf(page, "User MMSI:"),
              (Line{{10, "User MMSI:"}, {60, "1234567890"}, {90, "Count"}, {120, "1"}}));
    EXPECT_EQ(lineOf(page, "Distress Cancel Call:"), (Line{{10, "Distress Cancel Call:"}, {60, "Off"}}));
    EXPECT_EQ(lineOf(page, "Stanby Mode:"), (Line{{10, "Stanby Mode:"}, {60, "On"}}));
    EXPECT_EQ(lineOf(page, "POS Request:"), (Line{{10, "POS Request:"}, {60, "Off"}, {90, "Hi"}}));
    EXPECT_EQ(lineOf(page, "POS Reporting:"), (Line{{10, "POS Reporting:"}, {60, "Off"}, {90, "Low"}}));
    EXPECT_EQ(lineOf(page, "Received Geographic:"), (Line{{10, "Received Geographic:"}, {60, "On"}}));
    EXPECT_EQ(findItem(page, "Received Geografic:"), nullptr);
}

TEST_F(PrintedReportTest, dscAdvancedSectionPrintsReceiveAndTransmitColumns)
{
    records.dscFlags[static_cast<std::size_t>(dscslot::transmit(0, 0))] = true;
    const PrintPage page = print().front();
    using Line = std::vector<std::pair<double, std::string>>;
    const PrintItem* allShips = findItem(page, "[All Ships Call]");
    ASSERT_NE(allShips, nullptr);
    const auto distress = std::find_if(page.begin(), page.end(), [&](const PrintItem& item) {
        return item.text == "Distress:" && item.yMm > allShips->yMm;
    });
    ASSERT_NE(distress, page.end());
    Line line;
    for (const PrintItem& item : page)
        if (item.yMm == distress->yMm) line.emplace_back(item.xMm, item.text);
    EXPECT_EQ(line, (Line{{10, "Distress:"}, {60, "Off"}, {90, "Hi"}}));
}

TEST_F(PrintedReportTest, atisPageHoldsTheAtisSection)
{
    hasAtis = true;
    records.atisCode = "9123456789";
    records.groups[Group1].StatusName = "BOAT";
    const PrintPage page = print().at(1);
    using Line = std::vector<std::pair<double, std::string>>;
    EXPECT_EQ(lineOf(page, "ATIS Code:"), (Line{{10, "ATIS Code:"}, {60, "9123456789"}}));
    EXPECT_EQ(lineOf(page, "BOAT"), (Line{{60, "BOAT"}}));
    EXPECT_EQ(lineOf(page, "Usable ATIS CH Group:").size(), 5u);
}

TEST_F(PrintedReportTest, planTableColumnsFollowTheirWidthList)
{
    records.usa[32].Enable = true;
    records.usa[32].ChTag = "CALL";
    const PrintPage page = print().at(1);
    using Line = std::vector<std::pair<double, std::string>>;
    EXPECT_EQ(lineOf(page, "RX(MHz)"), (Line{{10, "CH"},
                                             {22, "RX(MHz)"},
                                             {39, "TX(MHz)"},
                                             {56, "TX"},
                                             {64, "LOW"},
                                             {73, "UP"},
                                             {81, "DUP"},
                                             {90, "MEM"},
                                             {99, "CH Name"}}));
    EXPECT_EQ(lineOf(page, "-------").size(), 9u);
    EXPECT_EQ(lineOf(page, "CALL"), (Line{{10, "16"},
                                          {22, "156.800"},
                                          {39, "156.800"},
                                          {56, "--"},
                                          {64, "---"},
                                          {73, "--"},
                                          {81, "---"},
                                          {90, "---"},
                                          {99, "CALL"}}));
}

TEST_F(PrintedReportTest, weatherAndDirectoryColumns)
{
    const PrintedReport pages = print();
    using Line = std::vector<std::pair<double, std::string>>;
    EXPECT_EQ(lineOf(pages[4], "ENABLE"), (Line{{10, "CH"}, {19, "ENABLE"}, {38, "MEM"}, {50, "CH Name"}}));
    EXPECT_EQ(lineOf(pages[4], "-----"),
              (Line{{10, "--"}, {19, "-----"}, {38, "---"}, {50, "------------"}}));
    EXPECT_EQ(lineOf(pages[5], "Station Name"), (Line{{10, "No."}, {29, "Station Name"}, {60, "MMSI"}}));
    EXPECT_EQ(lineOf(pages[6], "Group Name"), (Line{{10, "No."}, {29, "Group Name"}, {60, "MMSI"}}));
    EXPECT_EQ(lineOf(pages[6], "32"), (Line{{10, "32"}, {29, "------------"}, {60, "---------"}}));
}

TEST_F(PrintedReportTest, expColumnsFollowTheirWidthListWithRoomForEachText)
{
    records.exp[0].CHDisplayL = "71";
    records.exp[0].Rxfreq = 157.425;
    const PrintPage page = print().at(7);
    using Line = std::vector<std::pair<double, std::string>>;
    EXPECT_EQ(lineOf(page, "CHD"), (Line{{10, "CH"},
                                         {17, "CHD"},
                                         {32, "ENABLE"},
                                         {47, "RX(MHz)"},
                                         {66, "TX(MHz)"},
                                         {85, "LOW"},
                                         {95, "UP"},
                                         {102, "MEM"},
                                         {112, "CH Name"}}));
    EXPECT_EQ(lineOf(page, "157.4250").at(1), (std::pair<double, std::string>{17, "71 "}));
}

TEST_F(PrintedReportTest, pageOneHoldsTheSettingsSectionsOnAnyPaper)
{
    for (const double height : {297.0, 279.4, 148.0}) {
        PageGeometry paper;
        paper.heightMm = height;
        paper.lineHeightMm = 4.06;
        const PrintedReport pages = print(paper);
        ASSERT_GE(pages.size(), 8u);
        EXPECT_NE(findItem(pages[0], "##### DSC Setup (Display Setup) #####"), nullptr) << height;
        EXPECT_NE(findItem(pages[0], "[Test Call]"), nullptr) << height;
        EXPECT_EQ(pages[1][1].text, "##### Programable USA Channel #####") << height;
        const PrintItem& last = pages[0].back();
        EXPECT_LE(last.yMm, height - paper.bottomMarginMm - paper.lineHeightMm + 1e-9) << height;
        // Lines set closer get a font smaller in the same measure.
        const PrintItem& first = pages[0].front();
        const PrintItem& second = pages[0][1];
        EXPECT_NEAR(first.pointSize / paper.pointSize, (second.yMm - first.yMm) / 2 / paper.lineHeightMm,
                    1e-9)
            << height;
    }
    // A page with room to spare keeps the printer's line pitch and font.
    const PrintPage tall = print().front();
    EXPECT_DOUBLE_EQ(tall.front().pointSize, PageGeometry{}.pointSize);
}

TEST_F(PrintedReportTest, aLongListGoesOnOverPagesThatRepeatItsHeader)
{
    for (ChannelRecord& record : records.usa)
        record.Enable = true;
    const PageGeometry a4;
    const PrintedReport pages = print(a4);
    std::vector<std::string> labels;
    std::size_t usaPages = 0;
    for (const PrintPage& page : pages) {
        for (const PrintItem& item : page)
            EXPECT_LE(item.yMm, a4.heightMm - a4.bottomMarginMm - a4.lineHeightMm);
        const PrintItem* names = findItem(page, "RX(MHz)");
        if (!names || !findItem(page, "DUP")) continue;
        ++usaPages;
        EXPECT_EQ(page.front().text, "MR4400 Zampler");
        for (const PrintItem& item : page)
            if (item.xMm == 10 && item.yMm > names->yMm + a4.lineHeightMm) labels.push_back(item.text);
    }
    EXPECT_GT(usaPages, 3u);
    ASSERT_EQ(labels.size(), 240u);
    EXPECT_EQ(labels.front(), "00");
    EXPECT_EQ(labels.back(), "119A");
}

} // namespace
} // namespace zmp
