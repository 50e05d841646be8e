#include "backup/backupstore.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <utility>

#include "backup/backupindex.h"
#include "files/atomicfile.h"
#include "files/filesystem.h"

namespace zmp {

namespace {

// Only what is safe in a file name on every system.
std::string namePart(const std::string& text, const char* whenEmpty)
{
    std::string part;
    for (const char c : text)
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '-') part += c;
    return part.empty() ? whenEmpty : part;
}

// "_Sea-Breeze" for "Sea Breeze": letters and digits kept, every other run
// of characters one '-'; nothing for a label without either.
std::string labelPart(const std::string& label)
{
    std::string part;
    for (const char c : label) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            part += c;
        else if (!part.empty() && part.back() != '-')
            part += '-';
    }
    while (!part.empty() && part.back() == '-')
        part.pop_back();
    return part.empty() ? part : "_" + part;
}

bool writeFile(const std::filesystem::path& path, std::string_view bytes, std::string* reason)
{
    FileError error;
    if (writeFileAtomically(path.string(), bytes, &error)) return true;
    if (reason) *reason = path.string() + ": " + error.description;
    return false;
}

} // namespace

BackupStore::BackupStore(std::filesystem::path folder, Clock clock)
    : folder_(std::move(folder)), clock_(std::move(clock))
{
}

std::optional<BackupEntry> BackupStore::keep(BackupEntry entry, const MemoryImage& image,
                                             const std::string& configText, std::string* reason)
{
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error) {
        if (reason) *reason = folder_.string() + ": " + error.message();
        return std::nullopt;
    }
    const BackupTime::TimePoint now = clock_();
    entry.time = BackupTime::indexText(now);
    entry.name = freeName(entry, now);
    const std::string_view bytes(reinterpret_cast<const char*>(image.bytes.data()),
                                 static_cast<std::size_t>(image.size()));
    // An index that cannot be read is not written over with this entry alone.
    std::string unreadable;
    std::vector<BackupEntry> all = entries(&unreadable);
    if (!unreadable.empty()) {
        if (reason) *reason = unreadable;
        return std::nullopt;
    }
    all.push_back(entry);
    const std::vector<BackupEntry> expired = prune(all, now);
    if (!writeFile(imagePath(entry), bytes, reason) || !writeFile(configPath(entry), configText, reason) ||
        !writeFile(folder_ / IndexName, BackupIndex::compose(all), reason)) {
        removeFiles(entry);
        return std::nullopt;
    }
    // Only once the index no longer lists them.
    for (const BackupEntry& old : expired)
        removeFiles(old);
    return entry;
}

bool BackupStore::setOutcome(const BackupEntry& entry, const std::string& outcome, std::string* reason)
{
    std::string unreadable;
    std::vector<BackupEntry> all = entries(&unreadable);
    if (!unreadable.empty()) {
        if (reason) *reason = unreadable;
        return false;
    }
    const auto listed =
        std::find_if(all.begin(), all.end(), [&entry](const BackupEntry& e) { return e.name == entry.name; });
    if (listed == all.end()) {
        if (reason) *reason = (folder_ / IndexName).string() + ": " + entry.name + " is no longer listed";
        return false;
    }
    listed->outcome = outcome;
    return writeFile(folder_ / IndexName, BackupIndex::compose(all), reason);
}

std::vector<BackupEntry> BackupStore::entries(std::string* problem) const
{
    const std::string index = (folder_ / IndexName).string();
    std::string text;
    FileError error;
    const auto append = [&text](std::string_view chunk) {
        text.append(chunk);
        return true;
    };
    if (FileSystem::current().readChunks(index, 64 * 1024, append, error)) return BackupIndex::parse(text);
    if (problem && error.number != ENOENT) *problem = error.reasonFor(index);
    return {};
}

// Two backups within one second get "-2", "-3", ... rather than
// overwriting each other.
std::string BackupStore::freeName(const BackupEntry& entry, BackupTime::TimePoint time) const
{
    const std::string stem = BackupTime::fileText(time) + "_" + namePart(entry.model, "model") + "_" +
                             namePart(entry.mmsi, "no-MMSI") + "_" + namePart(entry.operation, "backup") +
                             labelPart(entry.label);
    // A folder that cannot be examined gives its reason when the files are written.
    const auto taken = [this](const std::string& name) {
        std::error_code error;
        return std::filesystem::exists(folder_ / (name + ".hex"), error) ||
               std::filesystem::exists(folder_ / (name + ".dat"), error);
    };
    std::string name = stem;
    for (int n = 2; taken(name); ++n)
        name = stem + "-" + std::to_string(n);
    return name;
}

// Takes out the entries past the age limit, but never one of the newest
// KeepAtLeast; an entry whose time cannot be read is kept.
std::vector<BackupEntry> BackupStore::prune(std::vector<BackupEntry>& all, BackupTime::TimePoint now)
{
    if (all.size() <= KeepAtLeast) return {};
    const std::size_t candidates = all.size() - KeepAtLeast;
    std::vector<BackupEntry> kept;
    std::vector<BackupEntry> expired;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const auto time = BackupTime::parse(all[i].time);
        const bool old = i < candidates && time && now - *time > MaxAge;
        (old ? expired : kept).push_back(std::move(all[i]));
    }
    all = std::move(kept);
    return expired;
}

void BackupStore::removeFiles(const BackupEntry& entry) const
{
    std::error_code ignored;
    std::filesystem::remove(imagePath(entry), ignored);
    std::filesystem::remove(configPath(entry), ignored);
}

} // namespace zmp
