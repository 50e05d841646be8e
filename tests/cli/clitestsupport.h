#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "cli/clisession.h"
#include "files/memorysettingsstore.h"
#include "support/filebytes.h"

namespace zmp::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// A program folder of the test's own with the installation's global.ini
// and destination files, and an in-memory settings store.
class CliFixtureBase {
  public:
    CliFixtureBase();

    CliResult run(const std::vector<std::string>& args, const std::string& input = "");
    // A JSON document as python3's json module reads it, written back with
    // sorted keys; "not JSON" when it does not read it.
    std::string parsedJson(const std::string& text) const;
    std::filesystem::path file(const std::string& name) const { return dir / name; }
    std::string path(const std::string& name) const { return file(name).string(); }

    std::filesystem::path dir;
    std::filesystem::path programDir;
    MemorySettingsStore store;
    CliEnvironment environment{store, ""};
};

} // namespace zmp::test
