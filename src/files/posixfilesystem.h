#pragma once

#include "files/filesystem.h"

namespace zmp {

// The file system of Linux and the other POSIX systems.
class PosixFileSystem : public FileSystem {
  public:
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
};

} // namespace zmp
