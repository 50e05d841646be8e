// Feeds arbitrary bytes to the backups index reader. Every backup rewrites
// the index from what it read, so a rewrite must keep every entry it read
// and the name of its files.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "backup/backupindex.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto entries = zmp::BackupIndex::parse(text);
    const auto rewritten = zmp::BackupIndex::parse(zmp::BackupIndex::compose(entries));
    if (rewritten.size() != entries.size()) std::abort();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (rewritten[i].name != entries[i].name) std::abort();
    return 0;
}
