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

} // namespace zmp::test
