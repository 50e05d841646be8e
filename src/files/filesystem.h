#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "files/fileerror.h"
#include "files/pathstatus.h"
#include "files/temporaryfile.h"

namespace zmp {

// Every call the file layer makes to the operating system. Each system has
// its own implementation; a test puts its own in place to make any of the
// calls fail. Paths are UTF-8.
class FileSystem {
  public:
    using Consumer = std::function<bool(std::string_view)>;

    virtual ~FileSystem() = default;

    // The file system in use: the system's own unless a test put another in place.
    static FileSystem& current();
    // Puts fileSystem in place; null brings back the system's own.
    static void setCurrent(FileSystem* fileSystem);
    static FileSystem& native();

    // False only when the path cannot be examined; a missing path is PathKind::Missing.
    virtual bool status(const std::string& path, PathStatus& status, FileError& error) = 0;
    // Feeds a regular file to consume in chunks of at most chunkSize bytes
    // until it ends or consume returns false. Never waits on a FIFO or a device.
    virtual bool readChunks(const std::string& path, std::size_t chunkSize, const Consumer& consume,
                            FileError& error) = 0;
    // The file a write to path lands on: the file behind a symbolic link.
    // False when the link leads nowhere: the link stays as it is.
    virtual bool writeTarget(const std::string& path, std::string& target, FileError& error) = 0;
    // Whether the user may write the existing file at path.
    virtual bool mayWrite(const std::string& path, FileError& error) = 0;
    virtual std::unique_ptr<TemporaryFile> createTemporary(const std::string& target, FileError& error) = 0;
    // Writes bytes over the existing file at path, in place.
    virtual bool overwrite(const std::string& path, std::string_view bytes, FileError& error) = 0;
    virtual bool remove(const std::string& path) = 0;
    virtual int processId() = 0;
    virtual bool processAlive(int processId) = 0;
};

} // namespace zmp
