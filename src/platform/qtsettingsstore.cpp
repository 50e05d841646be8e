#include "platform/qtsettingsstore.h"

#include <QStringList>
#include <QVariant>

namespace zmp {

QtSettingsStore::QtSettingsStore(const QString& organization, const QString& application)
    : settings_(QSettings::NativeFormat, QSettings::UserScope, organization, application)
{
}

std::string QtSettingsStore::value(const std::string& section, const std::string& key,
                                   const std::string& fallback) const
{
    settings_.sync();
    const QVariant stored = settings_.value(path(section, key));
    if (!stored.isValid()) return fallback;
    // A hand-edited value with commas comes back from the file as a list.
    if (stored.typeId() == QMetaType::QStringList) return stored.toStringList().join(", ").toStdString();
    return stored.toString().toStdString();
}

void QtSettingsStore::setValue(const std::string& section, const std::string& key, const std::string& value)
{
    settings_.setValue(path(section, key), QString::fromStdString(value));
    settings_.sync();
}

std::string QtSettingsStore::location() const
{
    return settings_.fileName().toStdString();
}

QString QtSettingsStore::path(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}

} // namespace zmp
