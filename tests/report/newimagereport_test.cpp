#include "image/newimage.h"
#include "report/printedreport.h"
#include "report/reporttext.h"

#include "reporttestsupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace zmp {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class NewImageReportTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(makeNewImage(model, records, image)); }

    std::string report() { return reportText({records, image, model, true}); }

    int model = ModelMr4400;
    Records records;
    MemoryImage image;
};

// The whole report of a new MR4400 image with ATIS, against the reviewed copy.
// When it differs, the report as made now is left in the test's scratch folder.
TEST_F(NewImageReportTest, matchesTheReviewedReport)
{
    const std::string expected =
        readFile(fs::path(std::getenv("ZMP_SOURCE_DIR")) / "tests/report/data/newimage_mr4400.txt");
    ASSERT_FALSE(expected.empty());
    const std::string actual = report();
    if (actual == expected) return;
    const fs::path scratch = fs::path(std::getenv("ZMP_TEST_SCRATCH"));
    fs::create_directories(scratch);
    std::ofstream(scratch / "newimage_mr4400.txt", std::ios::binary) << actual;
    const std::vector<std::string> want = test::splitLines(expected);
    const std::vector<std::string> got = test::splitLines(actual);
    for (std::size_t i = 0; i < std::min(want.size(), got.size()); ++i)
        ASSERT_EQ(got[i], want[i]) << "line " << i + 1 << "; the report is in " << scratch;
    ASSERT_EQ(got.size(), want.size()) << "the report is in " << scratch;
}

TEST_F(NewImageReportTest, listsEveryEnabledPlanChannelInFullWidthRows)
{
    const std::vector<std::string> usa = test::sectionLines(report(), "##### Programable USA Channel #####");
    const auto enabled =
        std::count_if(records.usa.begin(), records.usa.end(), [](const auto& r) { return r.Enable; });
    ASSERT_GT(enabled, 0);
    ASSERT_EQ(usa.size(), 3u + static_cast<std::size_t>(enabled));
    for (std::size_t i = 3; i < usa.size(); ++i)
        EXPECT_EQ(usa[i].size(), 58u) << usa[i];
}

TEST_F(NewImageReportTest, listRowsKeepTheirColumnWidths)
{
    const std::string text = report();
    const std::pair<const char*, std::size_t> sections[] = {{"##### Programable Wx Channel #####", 29},
                                                            {"##### Memory ID Setting #####", 28},
                                                            {"##### Group ID Setting #####", 28},
                                                            {"##### Programable Exp Channel #####", 63}};
    for (const auto& [heading, width] : sections) {
        const std::vector<std::string> lines = test::sectionLines(text, heading);
        ASSERT_GT(lines.size(), 3u) << heading;
        for (std::size_t i = 3; i < lines.size(); ++i)
            EXPECT_EQ(lines[i].size(), width) << heading << ": " << lines[i];
    }
}

TEST_F(NewImageReportTest, showsTheNewImageDefaults)
{
    const std::vector<std::string> groups = test::sectionLines(report(), "##### Usable CH Group Setup #####");
    ASSERT_EQ(groups.size(), 6u);
    EXPECT_TRUE(
        groups[3].starts_with(test::pad("Priority CH", 35) + test::pad("16", 18) + test::pad("16", 18)));
    const std::vector<std::string> common = test::sectionLines(report(), "##### Common Setup #####");
    EXPECT_EQ(common.at(3), test::pad("Resume Time:", 35) + test::pad("3Sec", 18));
    EXPECT_TRUE(
        test::sectionLines(report(), "##### DSC Setup (Basic Setup) #####").at(6).ends_with("Count  0"));
}

TEST_F(NewImageReportTest, mr4400mWithoutAtisPrintsNoAtisPage)
{
    model = ModelMr4400M;
    ASSERT_TRUE(makeNewImage(model, records, image));
    const std::string text = reportText({records, image, model, false});
    EXPECT_EQ(text.find("ATIS"), std::string::npos);
    const PrintedReport pages = printedReport({records, image, model, false});
    for (const PrintPage& page : pages)
        for (const PrintItem& item : page)
            EXPECT_EQ(item.text.find("ATIS"), std::string::npos) << item.text;
    EXPECT_EQ(pages.front().front().text, "MR4400M Zampler");
}

} // namespace
} // namespace zmp
