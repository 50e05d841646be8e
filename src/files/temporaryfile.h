#pragma once

#include <string>
#include <string_view>

#include "files/fileerror.h"

namespace zmp {

// A file being written beside its target. Until replace() succeeds it is
// nobody's file: destroying it removes every trace of it.
class TemporaryFile {
  public:
    virtual ~TemporaryFile() = default;

    virtual bool write(std::string_view bytes, FileError& error) = 0;
    // Gives the file the permission bits and the owner of the existing
    // target. Fails with EPERM when the owner cannot be kept.
    virtual bool takeAttributesOf(const std::string& target, FileError& error) = 0;
    virtual bool sync(FileError& error) = 0;
    // Puts the file in the target's place in one step.
    virtual bool replace(const std::string& target, FileError& error) = 0;
};

} // namespace zmp
