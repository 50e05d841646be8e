#include "failingfilesystem.h"

namespace zmp::datatest {
namespace {

class FailingTemporaryFile : public TemporaryFile {
  public:
    FailingTemporaryFile(std::unique_ptr<TemporaryFile> real, FailingFileSystem& owner)
        : real_(std::move(real)), owner_(owner)
    {
    }

    bool write(std::string_view bytes, FileError& error) override
    {
        if (owner_.duringWrite) owner_.duringWrite();
        return !owner_.fails("write", error) && real_->write(bytes, error);
    }
    bool takeAttributesOf(const std::string& target, FileError& error) override
    {
        return !owner_.fails("takeAttributesOf", error) && real_->takeAttributesOf(target, error);
    }
    bool sync(FileError& error) override { return !owner_.fails("sync", error) && real_->sync(error); }
    bool replace(const std::string& target, FileError& error) override
    {
        return !owner_.fails("replace", error) && real_->replace(target, error);
    }

  private:
    std::unique_ptr<TemporaryFile> real_;
    FailingFileSystem& owner_;
};

} // namespace

FailingFileSystem::FailingFileSystem()
{
    FileSystem::setCurrent(this);
}

FailingFileSystem::~FailingFileSystem()
{
    FileSystem::setCurrent(nullptr);
}

bool FailingFileSystem::fails(const std::string& call, FileError& error)
{
    called.insert(call);
    if (failing.count(call) == 0) return false;
    error = FileError::fromErrno(errorNumber);
    return true;
}

bool FailingFileSystem::status(const std::string& path, PathStatus& status, FileError& error)
{
    return !fails("status", error) && native().status(path, status, error);
}

bool FailingFileSystem::readChunks(const std::string& path, std::size_t chunkSize, const Consumer& consume,
                                   FileError& error)
{
    return !fails("readChunks", error) && native().readChunks(path, chunkSize, consume, error);
}

bool FailingFileSystem::writeTarget(const std::string& path, std::string& target, FileError& error)
{
    return native().writeTarget(path, target, error);
}

bool FailingFileSystem::mayWrite(const std::string& path, FileError& error)
{
    return !fails("mayWrite", error) && native().mayWrite(path, error);
}

std::unique_ptr<TemporaryFile> FailingFileSystem::createTemporary(const std::string& target, FileError& error)
{
    if (fails("createTemporary", error)) return nullptr;
    auto real = native().createTemporary(target, error);
    if (!real) return nullptr;
    return std::make_unique<FailingTemporaryFile>(std::move(real), *this);
}

bool FailingFileSystem::overwrite(const std::string& path, std::string_view bytes, FileError& error)
{
    return !fails("overwrite", error) && native().overwrite(path, bytes, error);
}

bool FailingFileSystem::remove(const std::string& path)
{
    return native().remove(path);
}

int FailingFileSystem::processId()
{
    return native().processId();
}

bool FailingFileSystem::processAlive(int processId)
{
    return goneProcesses.count(processId) == 0 && native().processAlive(processId);
}

} // namespace zmp::datatest
