#pragma once

#include <string>

#include "files/fileerror.h"

namespace zmp {

// Reads a Windows-style profile (INI) file the way the radio tools always
// have: default "<NONE>", values cut to the 128-character buffer.
//
// Sections and keys are found without regard to case; the first matching
// key of the first matching sections wins. The value (or the fallback when
// the file, section or key is missing) is cut at its first NUL and to 127
// characters; "<NONE>" gives an empty text, and a text that begins with
// "#" loses that one character. CR LF, a lone LF and a lone CR all end a
// line. A file that cannot be read (missing, a folder, a FIFO) counts as
// empty; error, when given, receives why.
class ProfileReader {
  public:
    static std::string readString(const std::string& path, const std::string& section, const std::string& key,
                                  const std::string& fallback = "<NONE>", FileError* error = nullptr);
};

} // namespace zmp
