#pragma once

#include "report/printlayout.h"

class QPrinter;

namespace zmp {

// Puts the pages of the printed report on a printer (or a PDF file, which
// is a printer too): every item at its millimetre position from the
// paper's top left corner, nothing else.
class ReportPrinter {
  public:
    // The page geometry of the printer's paper and font, for the layout.
    static PageGeometry geometryOf(QPrinter& printer);

    // False when the printer could not be started or a page could not be begun.
    static bool print(const PrintedReport& report, QPrinter& printer);
};

} // namespace zmp
