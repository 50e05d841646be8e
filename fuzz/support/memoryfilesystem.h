#pragma once

#include <map>
#include <string>

#include "files/filesystem.h"

namespace zmp::fuzz {

// Files held in memory, found by their name whatever the folder, so that a
// fuzz input reaches the readers through the same calls as a file on disk
// without touching one. Nothing can be written.
class MemoryFileSystem : public FileSystem {
  public:
    MemoryFileSystem() { FileSystem::setCurrent(this); }
    ~MemoryFileSystem() override { FileSystem::setCurrent(nullptr); }
    MemoryFileSystem(const MemoryFileSystem&) = delete;
    MemoryFileSystem& operator=(const MemoryFileSystem&) = delete;

    std::map<std::string, std::string> files;

    bool status(const std::string& path, PathStatus& status, FileError& error) override;
    bool readChunks(const std::string& path, std::size_t chunkSize, const Consumer& consume,
                    FileError& error) override;
    bool writeTarget(const std::string& path, std::string& target, FileError&) override
    {
        target = path;
        return true;
    }
    bool mayWrite(const std::string& path, FileError& error) override;
    std::unique_ptr<TemporaryFile> createTemporary(const std::string& target, FileError& error) override;
    bool overwrite(const std::string& path, std::string_view bytes, FileError& error) override;
    bool remove(const std::string&) override { return false; }
    int processId() override { return 1; }
    bool processAlive(int) override { return true; }

  private:
    const std::string* find(const std::string& path) const;
};

} // namespace zmp::fuzz
