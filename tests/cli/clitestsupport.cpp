#include "clitestsupport.h"

#include <cstdlib>
#include <sstream>

#include "cli/cli.h"
#include "support/scratchfolder.h"

namespace zmp::test {

CliFixtureBase::CliFixtureBase() : dir(scratchFolder()), programDir(dir / "program")
{
    std::filesystem::create_directories(programDir);
    const std::filesystem::path installed = std::getenv("ZMP_PROGRAM_DIR");
    for (const char* name : {"global.ini", "USA_1130.ini", "INTL_1130.ini", "CAN_1130.ini", "USA-M_1130.ini",
                             "INTL-M_1130.ini", "CAN-M_1130.ini"})
        std::filesystem::copy_file(installed / name, programDir / name);
    environment.defaultProgramDir = programDir.string();
}

CliResult CliFixtureBase::run(const std::vector<std::string>& args, const std::string& input)
{
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in(input);
    CliResult result;
    result.status = Cli::run(args, out, err, in, environment);
    result.out = out.str();
    result.err = err.str();
    return result;
}

std::string CliFixtureBase::parsedJson(const std::string& text) const
{
    writeBytes(file("json.in"), text);
    const std::string command =
        "python3 -c 'import json, sys; print(json.dumps(json.load(open(sys.argv[1])), "
        "sort_keys=True))' '" +
        path("json.in") + "' >'" + path("json.out") + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0) return "not JSON";
    return readBytes(file("json.out"));
}

} // namespace zmp::test
