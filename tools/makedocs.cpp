// zmp-make-docs TEMPLATE_DIR OUT_DIR VERSION: the manual pages and shell
// completions of zmp-cli and zmp-radio-sim, filled from the same tables
// their --help is made from, so that none of them can tell another story.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "cli/cli.h"
#include "radiosim/simoptionsparser.h"
#include "usage/completiondata.h"
#include "usage/manpage.h"

namespace {

namespace fs = std::filesystem;

using Parts = std::map<std::string, std::string>;

bool make(const fs::path& from, const fs::path& to, const Parts& parts)
{
    std::ifstream in(from, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    if (!in) {
        std::cerr << "zmp-make-docs: " << from.string() << ": cannot be read\n";
        return false;
    }
    std::string filled = text.str();
    std::string missing;
    if (!zmp::fillTemplate(filled, parts, missing)) {
        std::cerr << "zmp-make-docs: " << from.string() << ": nothing to put in for " << missing << '\n';
        return false;
    }
    // A folder that cannot be made shows as a file that cannot be written.
    std::error_code error;
    fs::create_directories(to.parent_path(), error);
    std::ofstream out(to, std::ios::binary);
    out << filled;
    if (out.flush()) return true;
    std::cerr << "zmp-make-docs: " << to.string() << ": cannot be written\n";
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: zmp-make-docs TEMPLATE_DIR OUT_DIR VERSION\n";
        return 2;
    }
    const fs::path templates = argv[1];
    const fs::path out = argv[2];
    const std::string version = argv[3];
    const zmp::ProgramUsage cli = zmp::Cli::usage();
    const Parts cliCompletion = zmp::CompletionData::parts(cli);
    const bool made =
        make(templates / "man/zmp-cli.1.in", out / "man/zmp-cli.1", zmp::ManPage::parts(cli, version)) &&
        make(templates / "man/zmp-radio-sim.1.in", out / "man/zmp-radio-sim.1",
             zmp::ManPage::parts(zmp::radiosim::SimOptionsParser::programUsage(), version)) &&
        make(templates / "completion/zmp-cli.bash.in", out / "completion/zmp-cli", cliCompletion) &&
        make(templates / "completion/zmp-cli.zsh.in", out / "completion/_zmp-cli", cliCompletion) &&
        make(templates / "completion/zmp-cli.fish.in", out / "completion/zmp-cli.fish", cliCompletion);
    return made ? 0 : 1;
}
