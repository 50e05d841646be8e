#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "files/temporaryfile.h"

namespace zmp {

// A temporary file beside the target, removed when it is dropped before it
// replaced the target. ReplaceFileW keeps the replaced file's security and
// owner; the attributes the file takes over itself.
class Win32TemporaryFile : public TemporaryFile {
  public:
    static std::unique_ptr<TemporaryFile> create(const std::string& target, FileError& error);
    ~Win32TemporaryFile() override;

    bool write(std::string_view bytes, FileError& error) override;
    bool takeAttributesOf(const std::string& target, FileError& error) override;
    bool sync(FileError& error) override;
    bool replace(const std::string& target, FileError& error) override;

  private:
    Win32TemporaryFile(HANDLE file, std::wstring name) : file_(file), name_(std::move(name)) {}
    void close();

    HANDLE file_;
    std::wstring name_;
    bool replaced_ = false;
};

} // namespace zmp
