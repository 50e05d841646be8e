#pragma once

#include <string>

namespace zmp {

enum class FileKind { Configuration, Image, Report, Unknown };

// The kind of file a path names, by its extension in any case: .dat a
// configuration, .hex and .ini an image, .txt a report.
FileKind fileKindOf(const std::string& path);

} // namespace zmp
