#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/clisession.h"

namespace zmp {

// zmp-cli ports: the serial devices, and with --probe which of them a
// radio answers on; and --port auto, which probes them for a radio command.
class PortsCommand {
  public:
    static int run(const CliOptions& options, CliEnvironment& environment, std::ostream& out,
                   std::ostream& err, std::istream& in);

    // --port auto: the one device a radio answers on, told on err; nothing
    // when none or several answer (told with every device's result), with
    // the exit status in status: 1 for none, 2 for several.
    static std::optional<std::string> findRadio(CliSession& session, std::ostream& err, int& status);
    // --port auto for a fleet: every device a radio answers on, each told
    // on err; none is told with every device's result.
    static std::vector<std::string> findRadios(CliSession& session, std::ostream& err);

    static constexpr const char* Auto = "auto";
};

} // namespace zmp
