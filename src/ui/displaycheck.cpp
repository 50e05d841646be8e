#include "ui/displaycheck.h"

#include <cstdlib>

namespace zmp {

namespace {

bool startsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

// A desktop session of its own: X11 or Wayland on a free system; Windows
// and macOS always have one.
bool isDesktopSystem()
{
#if defined(_WIN32) || defined(__APPLE__)
    return false;
#else
    return true;
#endif
}

} // namespace

std::string DisplayCheck::missingDisplay(const Environment& environment)
{
    const std::string platform = environment("QT_QPA_PLATFORM");
    const bool x11 = !environment("DISPLAY").empty();
    const bool wayland = !environment("WAYLAND_DISPLAY").empty();
    if (startsWith(platform, "xcb") && !x11) return "QT_QPA_PLATFORM is xcb but DISPLAY is not set";
    if (startsWith(platform, "wayland") && !wayland)
        return "QT_QPA_PLATFORM is wayland but WAYLAND_DISPLAY is not set";
    if (!platform.empty() || !isDesktopSystem() || x11 || wayland) return {};
    return "neither DISPLAY nor WAYLAND_DISPLAY is set";
}

std::string DisplayCheck::missingDisplay()
{
    return missingDisplay([](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    });
}

} // namespace zmp
