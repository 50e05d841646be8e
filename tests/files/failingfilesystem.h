#pragma once

#include <functional>
#include <set>
#include <string>

#include "files/filesystem.h"

namespace zmp::datatest {

// The system's own file system, except that the calls named in failing
// fail with the given error number, and that processes listed as gone are
// reported gone. Put in place for the lifetime of the object.
class FailingFileSystem : public FileSystem {
  public:
    FailingFileSystem();
    ~FailingFileSystem() override;
    FailingFileSystem(const FailingFileSystem&) = delete;
    FailingFileSystem& operator=(const FailingFileSystem&) = delete;

    // Call names: "status", "readChunks", "mayWrite", "createTemporary",
    // "overwrite", "write", "takeAttributesOf", "sync", "replace".
    std::set<std::string> failing;
    int errorNumber = EIO;
    std::set<int> goneProcesses;
    // Runs inside each temporary file's write, before the bytes go out.
    std::function<void()> duringWrite;
    std::set<std::string> called;

    bool status(const std::string& path, PathStatus& status, FileError& error) override;
    bool readChunks(const std::string& path, std::size_t chunkSize, const Consumer& consume,
                    FileError& error) override;
    bool writeTarget(const std::string& path, std::string& target, FileError& error) override;
    bool mayWrite(const std::string& path, FileError& error) override;
    std::unique_ptr<TemporaryFile> createTemporary(const std::string& target, FileError& error) override;
    bool overwrite(const std::string& path, std::string_view bytes, FileError& error) override;
    bool remove(const std::string& path) override;
    int processId() override;
    bool processAlive(int processId) override;

    bool fails(const std::string& call, FileError& error);
};

} // namespace zmp::datatest
