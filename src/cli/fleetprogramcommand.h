#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/clisession.h"
#include "fleet/fleetlist.h"

namespace zmp {

// fleet program BASE FLEET.csv: every radio of the list programmed with the
// base and its own identity, on the ports given with --port. The list is
// checked whole first; nothing is sent when it is refused. The summary
// goes to stdout; exit 1 when any radio was not programmed, 3 on Ctrl+C.
class FleetProgramCommand {
  public:
    static int run(CliSession& session, const FleetList& list, std::ostream& out, std::ostream& err,
                   std::istream& in);
};

} // namespace zmp
