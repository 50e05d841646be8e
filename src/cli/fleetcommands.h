#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/clisession.h"

namespace zmp {

// The zmp-cli commands of a fleet of radios.
class FleetCommands {
  public:
    // fleet check BASE FLEET.csv: every problem of the list, its options
    // and its base, one a line; exit 1 when the list would be refused.
    // fleet program BASE FLEET.csv: the same check (on stderr), then the
    // radios programmed when the list is accepted.
    static int run(CliSession& session, const std::vector<std::string>& args, std::ostream& out,
                   std::ostream& err, std::istream& in);
};

} // namespace zmp
