#pragma once

#include <functional>
#include <string>

#include "files/filecontext.h"
#include "files/fileoutcome.h"
#include "files/sectiontable.h"
#include "model/records.h"

namespace zmp {

// Reads a configuration (.dat) file into the records, tolerantly: after
// the reset and the model check it takes whatever keys it finds; a missing
// or unconvertible key keeps the reset value (a missing text empties its
// field). The memory image is not touched by the reading itself.
class ConfigFileReader {
  public:
    // The new-image operation with the destination loaded, supplied by the
    // caller; it may set ErrorFlag when its destination image is refused.
    using Reset = std::function<void()>;

    // Parses the file first: a file that cannot be read, or that exceeds the
    // parser's bounds, is refused with "FileRead Error!!" before anything is
    // reset. Then the reset runs; then the model check ("ModelType Error !!"
    // leaves the reset records); then the sections fill the records. Every
    // failure sets ErrorFlag and CancelFlag; a refusal by the reset itself
    // is silent (no message).
    static FileOutcome read(const std::string& path, Records& records, const FileContext& context,
                            const Reset& reset);

    // The tolerant filling alone, in the fixed section order.
    static void fill(const SectionTable& table, Records& records, bool hasAtis,
                     const std::function<void()>& pendingEvents = {});

    // True when the file's MAIN/MODELTYPE is a number equal to model.
    static bool modelTypeMatches(const std::string& path, int model);
};

} // namespace zmp
