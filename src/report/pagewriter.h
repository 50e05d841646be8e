#pragma once

#include "report/printlayout.h"

#include <string>
#include <vector>

namespace zmp {

// One printed line: texts at column positions (millimetres, before the
// page's left offset).
struct PrintLineItem {
    double xMm = 0.0;
    std::string text;
};
using PrintLine = std::vector<PrintLineItem>;

// Puts lines on pages top down. A page that is full continues on a new
// one, which repeats the page header and the lines set with
// setContinuationLines (a table's column names), so no page of a list
// stands without them.
class PageWriter {
  public:
    PageWriter(const PageGeometry& geometry, std::string headerText);

    // withHeader: the page begins with the header line, then one empty line.
    void startPage(bool withHeader);
    void addLine(const PrintLine& line, PrintFontStyle style = PrintFontStyle::Regular);
    void addEmptyLine();
    void setContinuationLines(std::vector<PrintLine> lines);

    PrintedReport takePages();

  private:
    void place(const PrintLine& line, PrintFontStyle style);
    bool pageFull() const;

    PageGeometry geometry_;
    std::string headerText_;
    PrintedReport pages_;
    bool headerOnPage_ = false;
    double nextYMm_ = 0.0;
    std::vector<PrintLine> continuationLines_;
};

} // namespace zmp
