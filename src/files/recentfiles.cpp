#include "files/recentfiles.h"

namespace zmp {

namespace {

constexpr const char* Section = "RecentFiles";

std::string keyOf(int index)
{
    return "File" + std::to_string(index + 1);
}

} // namespace

std::vector<std::string> RecentFiles::paths() const
{
    std::vector<std::string> result;
    for (int i = 0; i < Limit; ++i) {
        const std::string path = store_.value(Section, keyOf(i), "");
        if (!path.empty()) result.push_back(path);
    }
    return result;
}

void RecentFiles::add(const std::string& path)
{
    std::vector<std::string> list = paths();
    std::erase(list, path);
    list.insert(list.begin(), path);
    store(list);
}

void RecentFiles::remove(const std::string& path)
{
    std::vector<std::string> list = paths();
    std::erase(list, path);
    store(list);
}

void RecentFiles::store(const std::vector<std::string>& paths)
{
    for (int i = 0; i < Limit; ++i) {
        const auto at = static_cast<std::size_t>(i);
        store_.setValue(Section, keyOf(i), at < paths.size() ? paths[at] : std::string());
    }
}

} // namespace zmp
