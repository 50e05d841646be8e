#pragma once

#include "report/reportinput.h"

#include <string>

namespace zmp {

// The whole configuration as fixed-column text, lines separated by CR LF,
// without a line end after the last line. Saving it as a .txt file adds
// one CR LF; that is the caller's part.
std::string reportText(const ReportInput& input);

} // namespace zmp
