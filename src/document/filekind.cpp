#include "document/filekind.h"

#include "files/textvalue.h"

namespace zmp {

namespace {

bool endsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

} // namespace

FileKind fileKindOf(const std::string& path)
{
    const std::string name = TextValue::upper(path);
    if (endsWith(name, ".DAT")) return FileKind::Configuration;
    if (endsWith(name, ".HEX") || endsWith(name, ".INI")) return FileKind::Image;
    if (endsWith(name, ".TXT")) return FileKind::Report;
    return FileKind::Unknown;
}

} // namespace zmp
