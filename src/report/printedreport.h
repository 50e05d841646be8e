#pragma once

#include "report/printlayout.h"
#include "report/reportinput.h"
#include "report/reportsection.h"

namespace zmp {

// The printed report as pages of placed texts: page 1 the settings, then
// the ATIS page for a model with ATIS, then each channel and directory
// list from a new page (USA, International, Canada, WX, Memory ID,
// Group ID, EXP). A list longer than a page goes on over further pages.
PrintedReport printedReport(const ReportInput& input, const PageGeometry& geometry = {});

// The geometry of page 1, which holds the settings sections whatever the
// paper: when they need more lines than the page has, the lines stand
// closer and the font shrinks in the same measure.
PageGeometry firstPageGeometry(const PageGeometry& geometry, const std::vector<SettingsSection>& sections);

// "MR4400 Zampler": the first line of every page but the ATIS page.
std::string printedPageHeader(int model);

// The x position of value column i of the settings sections.
inline constexpr double settingsValueXMm(int column)
{
    return 50.0 + 30.0 * column;
}

} // namespace zmp
