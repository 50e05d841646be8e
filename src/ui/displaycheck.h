#pragma once

#include <functional>
#include <string>

namespace zmp {

// Whether the editor has a screen for its window, asked before the
// application object is made: without one the window system would abort
// the program instead of saying why.
class DisplayCheck {
  public:
    using Environment = std::function<std::string(const char* name)>;

    // Why no window can be shown, or empty when the platform may show one.
    static std::string missingDisplay(const Environment& environment);
    // The same from the process's own environment.
    static std::string missingDisplay();
};

} // namespace zmp
