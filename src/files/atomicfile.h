#pragma once

#include <string>
#include <string_view>

#include "files/fileerror.h"

namespace zmp {

// Writes bytes to path without ever leaving a half-written file behind:
// the bytes go to a temporary file in the target's folder, which replaces
// the target only once it is complete and flushed. On failure the target
// is exactly as it was, the temporary file is removed, and error (when
// given) receives the system error. A target that is a symbolic link is
// written through the link. An existing target keeps its permission bits.
bool writeFileAtomically(const std::string& path, std::string_view bytes, FileError* error = nullptr);

}  // namespace zmp
