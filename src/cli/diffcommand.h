#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/clisession.h"

namespace zmp {

// diff A B: the two configurations compared record by record, through the
// keys of their configuration-file form, one line per difference
// ("section key: a -> b"). A or B may be the word "radio": the radio is
// read into a start-up image, as read does, and its configuration takes
// that side. Exit 0 when equal, 1 when they differ or a side cannot be had.
class DiffCommand {
  public:
    static int run(const CliOptions& options, CliEnvironment& environment,
                   const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   std::istream& in);

    static constexpr const char* RadioWord = "radio";
};

} // namespace zmp
