#pragma once

#include <memory>
#include <string>

#include "files/posixnameguard.h"
#include "files/temporaryfile.h"

namespace zmp {

// A temporary file without a name where the system offers one (O_TMPFILE):
// a save that is killed leaves nothing behind. Elsewhere the file has a
// name beside the target, removed when the file is dropped; while a name
// stands, a guard removes it should the process die.
class PosixTemporaryFile : public TemporaryFile {
  public:
    static std::unique_ptr<TemporaryFile> create(const std::string& target, FileError& error);
    ~PosixTemporaryFile() override;

    bool write(std::string_view bytes, FileError& error) override;
    bool takeAttributesOf(const std::string& target, FileError& error) override;
    bool sync(FileError& error) override;
    bool replace(const std::string& target, FileError& error) override;

  private:
    PosixTemporaryFile(int fd, std::string name);
    bool giveName(const std::string& target, FileError& error);

    int fd_;
    std::string name_; // empty while the file has no name
    std::unique_ptr<PosixNameGuard> guard_;
    bool replaced_ = false;
};

} // namespace zmp
