#include "codec/errorlog.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <utility>

#ifndef _WIN32
#include <unistd.h>
#endif

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

// Where the log goes unless it may be kept beside the program: the user's
// state folder, which holds what a program leaves behind for later.
fs::path userStateFolder()
{
#ifdef _WIN32
    const std::string localAppData = environment("LOCALAPPDATA");
    return localAppData.empty() ? fs::path() : fs::path(localAppData) / "ZMP";
#else
    // A relative XDG_STATE_HOME is invalid and is ignored, as the base-directory rules say.
    const fs::path stateHome = environment("XDG_STATE_HOME");
    if (stateHome.is_absolute()) return stateHome / "ZMP";
    const std::string home = environment("HOME");
    return home.empty() ? fs::path() : fs::path(home) / ".local" / "state" / "ZMP";
#endif
}

#ifndef _WIN32
// The folders of the operating system and its packages.
bool isSystemFolder(const fs::path& folder)
{
    std::error_code error;
    const fs::path absolute = fs::absolute(folder, error);
    const std::string path = (error ? folder : absolute).lexically_normal().generic_string() + "/";
    for (const char* system : {"/usr/", "/opt/", "/etc/", "/var/", "/bin/", "/sbin/", "/lib/", "/srv/"})
        if (path.rfind(system, 0) == 0) return true;
    return false;
}
#endif

// The log is kept in the program folder only where the executables sit in
// it (the build folder), never in share/zmp of an installed copy and never
// by root in a folder of the system, which packages own.
bool keptBesideTheProgram(const fs::path& programDir)
{
    const fs::path folder = programDir.lexically_normal();
    const fs::path name = folder.has_filename() ? folder.filename() : folder.parent_path().filename();
    const fs::path parent = folder.has_filename() ? folder.parent_path() : folder.parent_path().parent_path();
    if (name == "zmp" && parent.filename() == "share") return false;
#ifndef _WIN32
    if (::geteuid() == 0 && isSystemFolder(folder)) return false;
#endif
    return true;
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
    if (keptBesideTheProgram(programDir_) && appendLine(fs::path(programDir_) / LogFileName, line)) return;
    const fs::path stateFolder = userStateFolder();
    if (stateFolder.empty()) return;
    std::error_code ignored;
    fs::create_directories(stateFolder, ignored);
    appendLine(stateFolder / LogFileName, line);
}

} // namespace zmp
