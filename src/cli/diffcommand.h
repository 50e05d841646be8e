#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/clisession.h"

namespace zmp {

// diff A B: the two configurations compared record by record, through the
// keys of their configuration-file form, one line per difference
// ("section key: a -> b"). Exit 0 when equal, 1 when they differ or a
// file cannot be opened.
class DiffCommand {
  public:
    static int run(const CliOptions& options, CliEnvironment& environment,
                   const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   std::istream& in);

    struct Entry {
        std::string section;
        std::string key;
        std::string value;
    };
    // The entries of a configuration-file text in file order, values with
    // their "#" marker removed as the reader sees them.
    static std::vector<Entry> entries(const std::string& text);
    // Writes one line per difference; returns how many there were.
    static int compare(const std::vector<Entry>& a, const std::vector<Entry>& b, std::ostream& out);
};

} // namespace zmp
