#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/clisession.h"

namespace zmp {

// The zmp-cli commands of the marine checks and the spreadsheet exchange.
class ExchangeCommands {
  public:
    // check FILE: the warnings one a line (--json: a JSON array); exit 1
    // when there is any, 2 when FILE cannot be read.
    static int runCheck(CliSession& session, const std::vector<std::string>& args, std::ostream& out,
                        std::ostream& err, std::istream& in);
    // export FILE TABLE OUT.csv, "-" for standard output
    static int runExport(CliSession& session, const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err, std::istream& in);
    // import FILE TABLE IN.csv OUT: OUT is written only when every row is
    // sound; IN.csv "-" is standard input.
    static int runImport(CliSession& session, const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err, std::istream& in);
};

} // namespace zmp
