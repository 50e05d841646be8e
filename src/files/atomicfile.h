#pragma once

#include <string>
#include <string_view>

#include "files/fileerror.h"

namespace zmp {

// Writes bytes to path without ever leaving a half-written file behind:
// the bytes go to a temporary file in the target's folder, which replaces
// the target only once it is complete and flushed. On failure the target
// is exactly as it was, the temporary file is gone, and error (when given)
// receives the system error. A target that is a symbolic link is written
// through the link. An existing target keeps its permission bits and its
// owner, and one the user may not write is refused. Temporary files that
// an interrupted save left in the folder are removed first.
bool writeFileAtomically(const std::string& path, std::string_view bytes, FileError* error = nullptr);

// Removes the temporary files that saves into target's folder left when
// they were killed: ours by name, a minute old, their process gone.
void removeStaleTemporaries(const std::string& target);

} // namespace zmp
