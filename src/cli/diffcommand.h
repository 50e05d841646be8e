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
// that side. With --json one JSON array of {section, key, a, b}, null for
// a key that side lacks. Exit statuses as diff(1): 0 equal, 1 different,
// 2 trouble (a side that cannot be had), 3 cancelled.
class DiffCommand {
  public:
    static int run(const CliOptions& options, CliEnvironment& environment,
                   const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   std::istream& in);

    static constexpr const char* RadioWord = "radio";
};

} // namespace zmp
