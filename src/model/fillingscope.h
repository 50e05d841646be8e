#pragma once

#include "model/processflags.h"

namespace zmp {

// Holds the filling flag set while controls or records are being filled
// and puts back what it was, so that a fill nested in another one (a file
// read inside a rebuild) leaves the outer fill's flag standing.
class FillingScope {
  public:
    explicit FillingScope(ProcessFlags& flags) : flags_(flags), wasFilling_(flags.filling)
    {
        flags_.filling = true;
    }
    ~FillingScope() { flags_.filling = wasFilling_; }
    FillingScope(const FillingScope&) = delete;
    FillingScope& operator=(const FillingScope&) = delete;

  private:
    ProcessFlags& flags_;
    bool wasFilling_;
};

// A page being shown: filling, and whatever its list handlers store meanwhile
// is no edit, so the modified flag stands afterwards as it stood before.
class ShowingScope {
  public:
    explicit ShowingScope(ProcessFlags& flags) : filling_(flags), flags_(flags), wasModified_(flags.modified)
    {
    }
    ~ShowingScope() { flags_.modified = wasModified_; }
    ShowingScope(const ShowingScope&) = delete;
    ShowingScope& operator=(const ShowingScope&) = delete;

  private:
    FillingScope filling_;
    ProcessFlags& flags_;
    bool wasModified_;
};

} // namespace zmp
