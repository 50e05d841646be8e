#pragma once

#include <map>
#include <string>
#include <utility>

#include "files/settingsstore.h"

namespace zmp {

// A settings store held in memory: for tests, and for runs that must not
// touch the user's own settings.
class MemorySettingsStore : public SettingsStore {
  public:
    std::string value(const std::string& section, const std::string& key,
                      const std::string& fallback) const override
    {
        const auto found = values_.find({section, key});
        return found == values_.end() ? fallback : found->second;
    }
    void setValue(const std::string& section, const std::string& key, const std::string& value) override
    {
        values_[{section, key}] = value;
    }
    bool contains(const std::string& section, const std::string& key) const
    {
        return values_.count({section, key}) != 0;
    }

  private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

} // namespace zmp
