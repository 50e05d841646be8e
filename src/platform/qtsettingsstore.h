#pragma once

#include <QSettings>
#include <QString>

#include <map>
#include <memory>

#include "files/settingsstore.h"

namespace zmp {

// The per-user settings store on QSettings in the platform's native format:
// the registry on Windows, a file under the user's configuration folder
// elsewhere. Every write is flushed at once, so the editor and zmp-cli see
// each other's values. A settings file that is no regular file (a FIFO
// would make every read wait forever) is left alone: the values then live
// in memory for this run, and problem() says why.
class QtSettingsStore : public SettingsStore {
  public:
    static constexpr const char* DefaultOrganization = "ZMP";
    static constexpr const char* DefaultApplication = "ZMP";

    explicit QtSettingsStore(const QString& organization = DefaultOrganization,
                             const QString& application = DefaultApplication);

    std::string value(const std::string& section, const std::string& key,
                      const std::string& fallback) const override;
    void setValue(const std::string& section, const std::string& key, const std::string& value) override;
    // Where the values live (a file path, or the registry key on Windows).
    std::string location() const;
    // Empty, or the settings file and why it is not used.
    const std::string& problem() const { return problem_; }

  private:
    static QString path(const std::string& section, const std::string& key);
    static std::string unusableFile(const QString& organization, const QString& application);

    std::string problem_;
    std::unique_ptr<QSettings> settings_;
    std::map<QString, std::string> memory_;
};

} // namespace zmp
