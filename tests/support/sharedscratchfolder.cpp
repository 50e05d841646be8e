#include "support/sharedscratchfolder.h"

#include <functional>
#include <string>
#include <system_error>

#include "support/scratchfolder.h"

namespace zmp::test {

namespace fs = std::filesystem;

// Named after this build's scratch folder of the test as well: builds side
// by side share the temporary folder.
SharedScratchFolder::SharedScratchFolder()
{
    const fs::path own = scratchFolder();
    path_ =
        fs::temp_directory_path() / ("zmp-shared-" + std::to_string(std::hash<std::string>{}(own.string())) +
                                     "-" + own.filename().string());
    fs::remove_all(path_);
    fs::create_directories(path_);
    fs::permissions(path_, fs::perms::all);
}

SharedScratchFolder::~SharedScratchFolder()
{
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

} // namespace zmp::test
