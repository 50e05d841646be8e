#include "ui/accesskeys.h"

#include <QSet>

namespace zmp {

QStringList withAccessKeys(const QStringList& captions)
{
    QSet<QChar> taken;
    QStringList result;
    for (const QString& caption : captions) {
        QString keyed = caption;
        keyed.replace(QLatin1Char('&'), QStringLiteral("&&"));
        for (qsizetype i = 0; i < keyed.size(); ++i) {
            const QChar key = keyed[i].toUpper();
            if (!keyed[i].isLetterOrNumber() || taken.contains(key)) continue;
            taken.insert(key);
            keyed.insert(i, QLatin1Char('&'));
            break;
        }
        result << keyed;
    }
    return result;
}

} // namespace zmp
