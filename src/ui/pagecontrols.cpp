#include "ui/pagecontrols.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace zmp {

QString indexedName(const char* name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QComboBox* makeList(QWidget* parent, const QString& name, const std::vector<std::string>& texts)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (const std::string& text : texts)
        list->addItem(QString::fromStdString(text));
    return list;
}

void selectQuietly(QComboBox* list, int index)
{
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(index < list->count() ? index : -1);
}

} // namespace zmp
