#pragma once

#include <string>
#include <vector>

#include "files/settingsstore.h"

namespace zmp {

// The configuration files the user opened or saved last, newest first,
// kept in the settings store so that the list outlives the session.
class RecentFiles {
  public:
    static constexpr int Limit = 8;

    explicit RecentFiles(SettingsStore& store) : store_(store) {}

    std::vector<std::string> paths() const;
    // The path becomes the newest; an older mention of it goes.
    void add(const std::string& path);
    void remove(const std::string& path);

  private:
    void store(const std::vector<std::string>& paths);

    SettingsStore& store_;
};

} // namespace zmp
