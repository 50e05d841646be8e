#pragma once

#include <functional>
#include <string>

#include "files/filecontext.h"
#include "files/fileoutcome.h"
#include "model/records.h"

namespace zmp {

// Writes the records as a configuration (.dat) file: every section and key
// in its fixed order, CR LF line ends. The ATIS sections are written only
// for a model with ATIS. Writing changes neither the records nor the image
// nor the modified flag.
class ConfigFileWriter {
  public:
    // The complete file text. pendingEvents, when given, runs once per
    // directory section.
    static std::string compose(const Records& records, int model, bool hasAtis,
                               const std::function<void()>& pendingEvents = {});

    // Composes and writes the file atomically. On failure the file at path
    // is left as it was, ErrorFlag and CancelFlag are set, the error log
    // receives "frmMain.SaveFileAs" and the outcome carries "FileSave Error!!".
    static FileOutcome write(const std::string& path, const Records& records, const FileContext& context);
};

} // namespace zmp
