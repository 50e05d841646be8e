#include "files/temporaryname.h"

#include <charconv>

namespace zmp {
namespace {

constexpr std::string_view Prefix = ".zmp-";
constexpr std::string_view Suffix = ".tmp";
#ifdef _WIN32
constexpr const char* Separators = "/\\";
#else
constexpr const char* Separators = "/";
#endif

bool allDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace

std::string TemporaryName::beside(const std::string& target, int processId, unsigned counter)
{
    return folderOf(target) + "/" + std::string(Prefix) + fileNameOf(target) + "." +
           std::to_string(processId) + "-" + std::to_string(counter) + std::string(Suffix);
}

std::optional<int> TemporaryName::ownerOf(const std::string& fileName)
{
    std::string_view name = fileName;
    if (!name.starts_with(Prefix) || !name.ends_with(Suffix) || name.size() <= Prefix.size() + Suffix.size())
        return std::nullopt;
    name.remove_suffix(Suffix.size());
    name.remove_prefix(Prefix.size());
    const auto dash = name.rfind('-');
    const auto dot = name.rfind('.', dash);
    if (dash == std::string_view::npos || dot == std::string_view::npos || dot == 0) return std::nullopt;
    const std::string_view pid = name.substr(dot + 1, dash - dot - 1);
    if (!allDigits(pid) || !allDigits(name.substr(dash + 1))) return std::nullopt;
    int value = 0;
    const auto result = std::from_chars(pid.data(), pid.data() + pid.size(), value);
    if (result.ec != std::errc() || value <= 0) return std::nullopt;
    return value;
}

std::string TemporaryName::folderOf(const std::string& path)
{
    const auto slash = path.find_last_of(Separators);
    if (slash == std::string::npos) return ".";
    if (slash == 0) return path.substr(0, 1);
    return path.substr(0, slash);
}

std::string TemporaryName::fileNameOf(const std::string& path)
{
    const auto slash = path.find_last_of(Separators);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace zmp
