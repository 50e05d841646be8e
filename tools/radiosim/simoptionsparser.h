#pragma once

#include <string>
#include <vector>

#include "radiosim/simoptions.h"
#include "usage/programusage.h"

namespace zmp::radiosim {

// The command line of zmp-radio-sim.
class SimOptionsParser {
  public:
    // args without the program name. On failure error names the bad argument.
    static bool parse(const std::vector<std::string>& args, SimOptions& options, std::string& error);
    static std::string usage();
    // The options, as --help and the manual page show them.
    static ProgramUsage programUsage();

  private:
    static bool parseOption(const std::string& name, const std::string& value, SimOptions& options);
    static bool parseFault(const std::string& name, const std::string& value, FaultPlan& faults);
    static bool parsePoke(const std::string& value, SimOptions::Poke& poke);
    static int valueCount(const std::string& name);
};

} // namespace zmp::radiosim
