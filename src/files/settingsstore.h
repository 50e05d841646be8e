#pragma once

#include <string>

namespace zmp {

// The per-user settings store: text values by section and key.
// The editor and zmp-cli share one store; tests replace it.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual std::string value(const std::string& section, const std::string& key,
                              const std::string& fallback) const = 0;
    virtual void setValue(const std::string& section, const std::string& key, const std::string& value) = 0;
};

} // namespace zmp
