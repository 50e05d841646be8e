#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/clisession.h"
#include "cli/outputcheck.h"

namespace zmp {

// The zmp-cli commands that work on files only. Each returns its exit
// status; arguments are checked for count by the caller.
class FileCommandSet {
  public:
    // new OUT: the new image with the destination loaded, saved as OUT.
    static int runNew(CliSession& session, const std::vector<std::string>& args, std::ostream& out,
                      std::ostream& err, std::istream& in);
    // convert IN OUT
    static int runConvert(CliSession& session, const std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err, std::istream& in);
    // report IN [OUT]: to OUT with a final CR LF, or to stdout without it.
    static int runReport(CliSession& session, const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err, std::istream& in);
    // destinations: the menu in order, the remembered one marked " *";
    // with --json each name and whether it is the remembered one.
    static int runDestinations(CliSession& session, const std::vector<std::string>& args, std::ostream& out,
                               std::ostream& err, std::istream& in);

    // Usage checks shared by the commands, false with the reason printed:
    // the file's extension does not suit it as an input; the output is one
    // of the inputs or its extension names another format; --raw would
    // drop the content of a configuration file.
    static bool checkInput(const std::string& path, std::ostream& err);
    static bool checkOutput(const std::string& out, const std::vector<std::string>& inputs,
                            OutputCheck::Writes writes, std::ostream& err);
    static bool checkRaw(CliSession& session, const std::string& input, std::ostream& err);
    // Opens IN as the start-up would leave it: the new image first, its
    // warnings printed, then the file. False with the message printed.
    static bool open(CliSession& session, const std::string& path, std::ostream& err);
    static bool save(CliSession& session, const std::string& path, std::ostream& err, bool rawImage = false);
};

} // namespace zmp
