#pragma once

#include "document/documentstate.h"

namespace zmp {

// Everything the editor edits and remembers between commands is the one
// configuration its document works on.
using EditorState = DocumentState;

} // namespace zmp
