#pragma once

#include <string>
#include <vector>

namespace zmp {

enum class PrintFontStyle { Regular, Bold };

// One piece of text of the printed report. Positions are millimetres from
// the page's top left corner; y is the top of the text line. The printer
// adapter only places these items, so everything about the layout is
// decided (and tested) here.
struct PrintItem {
    double xMm = 0.0;
    double yMm = 0.0;
    std::string text;
    PrintFontStyle style = PrintFontStyle::Regular;
    double pointSize = 10.0;

    bool operator==(const PrintItem&) const = default;
};

using PrintPage = std::vector<PrintItem>;
using PrintedReport = std::vector<PrintPage>;

// The page the report is laid out for. The printer adapter fills it from
// the chosen printer (paper height, the line pitch of its font); the
// defaults are an A4 page with a 10 point font.
struct PageGeometry {
    double heightMm = 297.0;
    double leftMm = 10.0;         // a column at x is printed at x + leftMm
    double topMm = 5.0;           // where the first line of a page stands
    double bottomMarginMm = 10.0; // no line starts below heightMm - bottomMarginMm
    double lineHeightMm = 4.5;
    double pointSize = 10.0;
};

} // namespace zmp
