#include "platform/qtsettingsstore.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

namespace zmp {

QtSettingsStore::QtSettingsStore(const QString& organization, const QString& application)
    : problem_(unusableFile(organization, application))
{
    if (problem_.empty())
        settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, organization,
                                                application);
}

// Where QSettings keeps a user's native settings outside Windows.
std::string QtSettingsStore::unusableFile(const QString& organization, const QString& application)
{
#ifdef Q_OS_WIN
    Q_UNUSED(organization);
    Q_UNUSED(application);
    return {};
#else
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
                         organization + '/' + application + QStringLiteral(".conf");
    const QFileInfo info(file);
    if (!info.exists() || info.isFile() || info.isDir()) return {};
    return file.toStdString() + ": Not a regular file";
#endif
}

std::string QtSettingsStore::value(const std::string& section, const std::string& key,
                                   const std::string& fallback) const
{
    if (!settings_) {
        const auto found = memory_.find(path(section, key));
        return found == memory_.end() ? fallback : found->second;
    }
    settings_->sync();
    const QVariant stored = settings_->value(path(section, key));
    if (!stored.isValid()) return fallback;
    // A hand-edited value with commas comes back from the file as a list.
    if (stored.typeId() == QMetaType::QStringList) return stored.toStringList().join(", ").toStdString();
    return stored.toString().toStdString();
}

void QtSettingsStore::setValue(const std::string& section, const std::string& key, const std::string& value)
{
    if (!settings_) {
        memory_[path(section, key)] = value;
        return;
    }
    settings_->setValue(path(section, key), QString::fromStdString(value));
    settings_->sync();
}

std::string QtSettingsStore::location() const
{
    return settings_ ? settings_->fileName().toStdString() : std::string();
}

QString QtSettingsStore::path(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}

} // namespace zmp
