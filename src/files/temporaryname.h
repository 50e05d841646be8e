#pragma once

#include <optional>
#include <string>

namespace zmp {

// Names of the temporary files a save writes beside its target:
// ".zmp-" + the target's name + "." + process id + "-" + counter + ".tmp";
// the prefix keeps them apart from any other program's.
class TemporaryName {
  public:
    static std::string beside(const std::string& target, int processId, unsigned counter);
    // The process that made a file of this name, or nothing when the name
    // is not one of ours.
    static std::optional<int> ownerOf(const std::string& fileName);
    static std::string folderOf(const std::string& path);
    static std::string fileNameOf(const std::string& path);
};

} // namespace zmp
