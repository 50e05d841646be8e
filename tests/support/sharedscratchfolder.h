#pragma once

#include <filesystem>

namespace zmp::test {

// A fresh folder every user may enter and write, for a test that drops to
// another user: the scratch folder lies under the build, whose parent
// folders another user may not enter (root's home is mode 700). It lies in
// the system's temporary folder and goes with the object.
class SharedScratchFolder {
  public:
    SharedScratchFolder();
    ~SharedScratchFolder();
    SharedScratchFolder(const SharedScratchFolder&) = delete;
    SharedScratchFolder& operator=(const SharedScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

} // namespace zmp::test
