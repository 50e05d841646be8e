#include "codec/errorlog.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <utility>

namespace zmp {

namespace fs = std::filesystem;

namespace {

constexpr const char* LogFileName = "err.log";

// The system's short date and time formats, as the C library knows them for the current locale.
std::string timestamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char buffer[128];
    const std::size_t length = std::strftime(buffer, sizeof buffer, "%x,%X", &local);
    return std::string(buffer, length);
}

// An entry stays on one line, whatever the error description holds.
std::string oneLine(std::string text)
{
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Where the log goes when the program folder is read-only (an installed program usually is).
fs::path userDataFolder()
{
#ifdef _WIN32
    const std::string appData = environment("APPDATA");
    return appData.empty() ? fs::path() : fs::path(appData) / "zmp";
#else
    // A relative XDG_DATA_HOME is invalid and is ignored, as the base-directory rules say.
    const fs::path dataHome = environment("XDG_DATA_HOME");
    if (dataHome.is_absolute()) return dataHome / "zmp";
    const std::string home = environment("HOME");
    return home.empty() ? fs::path() : fs::path(home) / ".local" / "share" / "zmp";
#endif
}

bool appendLine(const fs::path& file, const std::string& line)
{
    std::ofstream out(file, std::ios::app);
    if (!out) return false;
    out << line << '\n';
    out.flush();
    return static_cast<bool>(out);
}

} // namespace

ErrorLog::ErrorLog(std::string programDir, bool debugMode)
    : programDir_(std::move(programDir)), debugMode_(debugMode)
{
}

void ErrorLog::write(const std::string& source, const std::string& text) const
{
    if (!debugMode_) return;
    const std::string line = timestamp() + ":" + source + " -> " + oneLine(text);
    if (appendLine(fs::path(programDir_) / LogFileName, line)) return;
    const fs::path dataFolder = userDataFolder();
    if (dataFolder.empty()) return;
    std::error_code ignored;
    fs::create_directories(dataFolder, ignored);
    appendLine(dataFolder / LogFileName, line);
}

} // namespace zmp
